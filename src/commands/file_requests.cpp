#include "commands/file_requests.h"

#include "commands/app.h"
#include "model/text.h"
#include "model/text_file.h"

namespace ringlace {

std::string AskForFile(App& app, FileRequest request, const std::string& extension) {
    request.folder = FolderPart(app.place.file);
    const std::string name = app.host.GetFileName(request);
    return name.empty() ? "" : AddExtension(name, extension);
}

void ReportFileTrouble(Host& host, FileTrouble trouble, const std::string& fileName) {
    const char* what = trouble == FileTrouble::NotRead      ? "Error reading file:"
                       : trouble == FileTrouble::NotWritten ? "Error writing file:"
                                                            : "File not found:";
    host.Ask({what + std::string(kCrLf) + fileName, Icon::Critical, Buttons::Ok});
}

}  // namespace ringlace
