// The role a header name gives its column.
#pragma once

#include <span>
#include <string_view>

#include "dictionary/dictionary_store.h"

namespace plotwarden {

// The role whose header names include `name`, compared whole and without
// regard to letter case, nothing trimmed or unquoted. Any other name is
// ROLE_UNKNOWN.
FieldRole classifyFieldName(std::string_view name);

// A header name that gives a role, written as the role's table writes it.
struct KnownFieldName {
  std::string_view name;
  FieldRole role;
};

// Every header name a role knows, in the order names are compared.
std::span<const KnownFieldName> knownFieldNames();

}  // namespace plotwarden
