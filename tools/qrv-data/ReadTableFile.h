#pragma once

#include <string>

// Header line of kReadTable.txt, blank before the line end included.
inline constexpr const char* kReadTableHeader = "QRV Vellumreader Ver2.3 성경읽기표 \n";

// A first kReadTable.txt with every chapter unread: the header, then "%s:%d:%d:%d \n" (Korean
// book name, book, chapter, 0) for all 1189 chapters, e.g. "시편:19:23:0 \n".
std::string InitialReadTable();
