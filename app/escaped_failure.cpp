#include "app/escaped_failure.h"

#include <new>

namespace vx {

std::string escapedFailureText(const std::exception& escaped) {
    if (dynamic_cast<const std::bad_alloc*>(&escaped) != nullptr ||
        dynamic_cast<const std::length_error*>(&escaped) != nullptr) {
        return "メモリが足りないため、操作を中止しました。\n"
               "ほかのプログラムを終了してから、もう一度操作してください。";
    }
    return std::string("予期しないエラーのため、操作を中止しました。\n（") + escaped.what() + "）";
}

}  // namespace vx
