#include "cli/load_failure.h"

namespace ringlace::cli {

JsonLine LoadFailure(int puzzle, const std::string& whyNot) {
    return JsonLine().Add("puzzle", puzzle).Add("error", "load failed").Add("reason", whyNot);
}

}  // namespace ringlace::cli
