#pragma once

#include "BibleFiles.h"

#include <string>

// File name of a book in the per-book JSON folder of the Korean text:
// 1 -> "Genesis.json", 9 -> "1Samuel.json", 22 -> "SongofSolomon.json", 64 -> "3John.json".
std::string KrvFileName(int book);

// Reads the 66 book files of `folder` ({"book": …, "chapters": [{"chapter": n, "verses":
// [{"verse": n, "text": …}, …]}, …]}) into `verses` in canonical order. Each book must have
// exactly the catalogue's chapters numbered 1..n, each chapter verses ascending from 1. Verse
// texts are folded to one line. False with a message naming the file on the first fault.
bool ImportKrvFolder(const std::string& folder, BibleText& verses, std::string& error);
