// Scheme files (*.shc): the archive of one CLogicalScheme.
#pragma once

#include <string>

#include "model/LogicalScheme.h"
#include "model/Status.h"

namespace lodex {

// The reason a scheme breaks the rules every loaded file must keep (order,
// unique identifiers, links and pins in range, sequence lengths), naming the
// block and field; Ok when the scheme is sound.
Status CheckScheme(const CLogicalScheme& scheme);
// The same reason in English; empty when the scheme is sound.
std::string ValidateScheme(const CLogicalScheme& scheme);

// The bytes of the scheme's archive; throws CArchiveError when a text cannot
// be stored in Windows-1251.
std::string StoreScheme(const CLogicalScheme& scheme);

// Loads a scheme from archive bytes into `scheme`; on failure `scheme` is
// unchanged and the status names the block and field at fault.
Status LoadScheme(std::string_view bytes, CLogicalScheme& scheme);

Status SaveSchemeFile(const std::string& path, const CLogicalScheme& scheme);
Status LoadSchemeFile(const std::string& path, CLogicalScheme& scheme);

}  // namespace lodex
