#pragma once

#include "TempDir.h"

#include <nlohmann/json.hpp>
#include <string>

// A small but complete Korean JSON text for qrv-data: 66 book files with the catalogue's chapters,
// each chapter 1 to 3 short verses ("창세기 1장 2절").
int GeneratedVerseCount(int book, int chapter);
std::string GeneratedVerseText(int book, int chapter, int verse);
int GeneratedVerseTotal();

// The JSON of one book as the Korean text's files hold it.
nlohmann::json GeneratedBook(int book);

// Writes all 66 book files into `dir`.
void WriteKrvFolder(const CTempDir& dir);

// Replaces one book file with `book` serialised.
void WriteKrvBook(const CTempDir& dir, int bookNumber, const nlohmann::json& book);
