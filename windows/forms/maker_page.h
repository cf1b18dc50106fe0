// The maker's page, which the logo of both windows opens.
#ifndef WAVECALC_WINDOWS_FORMS_MAKER_PAGE_H_
#define WAVECALC_WINDOWS_FORMS_MAKER_PAGE_H_

#include <string>
#include <string_view>

namespace wave {

// "http://", the maker's host and "/tolm-233-1.html".
std::string_view MakerPageAddress();

// "explorer.exe " and the address: what Windows starts to open it.
std::string MakerPageCommand();

}  // namespace wave

#endif  // WAVECALC_WINDOWS_FORMS_MAKER_PAGE_H_
