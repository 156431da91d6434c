#pragma once

#include "BibleFiles.h"

#include <string>

// The KJV module of Debian's sword-text-kjv.
inline constexpr const char* kDefaultSwordModule = "engKJV2006eb";

// OSIS name of a catalogue book: 1 -> "Gen", 19 -> "Ps", 66 -> "Rev"; empty outside 1..66.
std::string OsisBookName(int book);

// Reads every verse of the installed SWORD Bible module `moduleName`, in its own versification,
// as plain text: Strong's numbers, morphology, notes, cross-references, headings and red-letter
// markup off, white space folded to single blanks. The module's books are matched to the
// catalogue by OSIS name (books outside the 66 are skipped) and must have the catalogue's
// chapter counts. A verse the module lacks comes out with an empty text. False with a message
// naming the module when it is not installed, is no Bible, or does not fit the catalogue.
bool ImportSwordModule(const std::string& moduleName, BibleText& verses, std::string& error);
