// The Host of the window program: the program's own message box, the platform's file dialogs,
// and the main window's status line.
#pragma once

#include <QPointer>
#include <functional>
#include <memory>

#include "seams/host.h"

class QPrinter;
class QWidget;

namespace ringlace {

class MessageBox;

class QtHost : public Host {
public:
    struct StatusLine {
        std::function<void(const std::string&)> text;
        std::function<void(int)> progress;
    };

    // parent: the window the dialogs belong to. messageColour: the box's background.
    QtHost(QWidget* parent, std::function<std::int32_t()> messageColour);
    ~QtHost() override;

    void SetStatusLine(StatusLine statusLine) { statusLine_ = std::move(statusLine); }
    void SetBoardShow(std::function<void()> showNewBoard) {
        showNewBoard_ = std::move(showNewBoard);
    }

    Answer Ask(const Message& message) override;
    std::string GetFileName(const FileRequest& request) override;
    void Status(const std::string& text) override;
    void Progress(int percent) override;
    void Yield() override;
    std::string ClipboardText() override;
    void SetClipboard(const ClipboardEntry& entry) override;
    bool Print(const std::vector<Drawing>& pages) override;
    void BusyPointer(bool busy) override;
    void ShowNewBoard() override;

private:
    QWidget* parent_;
    std::function<std::int32_t()> messageColour_;
    QPointer<MessageBox> messageBox_;
    StatusLine statusLine_;
    std::function<void()> showNewBoard_;
    bool busyPointer_ = false;
    // The printer the person chose, kept until the program ends.
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace ringlace
