#pragma once
// Exchanging the library with other trainers: importing a CSV or KVTML file
// as the library or into it, exporting the library as either. The training
// settings window and the vocabulary editor offer the same commands while
// Configuration::Extras.Exchange is on.
//
// A file is read completely before the library is touched: any fault is
// told and leaves the library as it was. Characters of the file that
// Windows-1252 lacks become '?', and the user is told how many.

#include "core/Configuration.h"
#include "vocabulary/Bibliothek.h"
#include "vocabulary/ExchangeText.h"

#include <string>
#include <string_view>

namespace qor {

enum class ExchangeFormat { Csv, Kvtml };

// By the extension ".csv" or ".kvtml"; otherwise a file beginning with '<'
// is KVTML.
ExchangeFormat ExchangeFormatOf(std::string_view path, std::string_view bytes);

ExchangeRead ReadExchangeText(ExchangeFormat format, std::string_view bytes);
// The library's complete entries; title is the KVTML document's title.
std::string WriteExchangeText(ExchangeFormat format, const std::vector<TVokabel>& entries,
                              std::string_view title);

// False (after telling the user) when the file could not be read whole.
bool ImportExchangeFile(TBibliothek& library, const std::string& path, bool replace);
// False (after telling the user) when the file could not be written.
bool ExportExchangeFile(const TBibliothek& library, const std::string& path, ExchangeFormat format);

// The same behind the open and save dialogs, starting in the vocabulary
// file folder; false also when cancelled.
bool AskAndImportExchangeFile(TBibliothek& library, Configuration& config, bool replace);
bool AskAndExportExchangeFile(const TBibliothek& library, Configuration& config,
                              ExchangeFormat format);

} // namespace qor
