#include "AppError.h"

#include "TextCodec.h"

namespace velk {

AppError::AppError(std::wstring message) : message_(std::move(message)), utf8_(ToUtf8(message_)) {}

}  // namespace velk
