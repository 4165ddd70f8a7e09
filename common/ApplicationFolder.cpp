#include "ApplicationFolder.h"

#include "AppError.h"

namespace velk {

void ThrowNoApplicationFolder(const std::wstring& systemText) {
    throw AppError(L"Cannot find the folder of the running program" + (systemText.empty() ? L"" : L": " + systemText) +
                   L".");
}

}  // namespace velk
