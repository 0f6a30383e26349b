#pragma once

#include "platform/token.h"

// Every token the panes exchange. Inline variables have one address in the whole program.
namespace Tokens {
inline constexpr Token Scan {"Scan"};
inline constexpr Token Away {"Away"};
inline constexpr Token AllowRequest {"AllowRequest"};
inline constexpr Token Delete {"Delete"};
inline constexpr Token Home {"Home"};
inline constexpr Token Missing {"Missing"};
inline constexpr Token CDDB {"CDDB"};
inline constexpr Token Refresh {"Refresh"};
inline constexpr Token Yes {"Yes"};
inline constexpr Token No {"No"};
inline constexpr Token Cats {"Cats"};
inline constexpr Token HomeData {"HomeData"};
inline constexpr Token EnableTrue {"EnableTrue"};
inline constexpr Token EnableFalse {"EnableFalse"};
// Sent by the disc tree before the catalogue is saved at the end: the panes store what was
// typed into a disc's fields and not saved yet.
inline constexpr Token KeepEdits {"KeepEdits"};

// Menu commands that other panes forward to the command panel.
inline constexpr Token OnEditCdscan {"OnEditCdscan"};
inline constexpr Token OnEditFindGaps {"OnEditFindGaps"};
inline constexpr Token OnEditDeleteCd {"OnEditDeleteCd"};
inline constexpr Token OnEditCddbQuery {"OnEditCddbQuery"};
inline constexpr Token OnLendLendto {"OnLendLendto"};
inline constexpr Token OnLendGetback {"OnLendGetback"};
inline constexpr Token OnLendShowavailablecds {"OnLendShowavailablecds"};
inline constexpr Token OnLendShownonavailablecds {"OnLendShownonavailablecds"};
inline constexpr Token OnSearchNamesearch {"OnSearchNamesearch"};
inline constexpr Token OnSearchFilesearch {"OnSearchFilesearch"};
inline constexpr Token OnSearchSearchcd {"OnSearchSearchcd"};
inline constexpr Token OnOptions {"OnOptions"};

// View modes of the file list.
inline constexpr Token OnViewLargeicons {"OnViewLargeicons"};
inline constexpr Token OnViewSmallicons {"OnViewSmallicons"};
} // namespace Tokens
