#pragma once

#include "RgbColor.h"

#include <string>
#include <string_view>

// The automatic reading position with the display settings, kept by each chapter view.
struct ReadPoint {
    int book = 1;
    int chapter = 1;
    int topLine = 0;
    int fontSize = 14;
    int parallel = 0;
    RgbColor textColor = kBlack;
    RgbColor backColor = kWhite;
};

// The two views' files differ in name, headers and the length of a line read.
struct ReadPointFormat {
    std::string_view fileName;
    std::string_view creationHeader; // written when the file is created at opening
    std::string_view closingHeader;  // written by the rewrite at closing
    int lineChars;                   // a line read takes at most lineChars - 1 characters
};

extern const ReadPointFormat kKoreanReadPointFormat;  // kReadPoint.txt, lines read up to 100
extern const ReadPointFormat kEnglishReadPointFormat; // eReadPoint.txt, lines read up to 49

enum class ReadPointOrigin {
    File,      // read from the file
    Created,   // the file was missing; defaults, and the file was created with them
    NotSaved,  // the file was missing and could not be created; defaults
    Malformed, // the file lacks a line or a field, or names no chapter; defaults
};

struct ReadPointLoad {
    ReadPoint point;
    ReadPointOrigin origin = ReadPointOrigin::File;
};

// Reads the four lines (header ignored; "book:chapter:top:size:parallel"; text "r:g:b";
// background "r:g:b", components kept to their low 8 bits). A missing file gives the defaults
// (Genesis 1, top line 0, size 14, black on white) and is created holding the creation header,
// "1:1:1:14:0\n", "0:0:0\n" and "255:255:255". A damaged file gives the defaults too.
ReadPointLoad LoadReadPoint(const std::string& path, const ReadPointFormat& format);

// The closing rewrite: closing header, "19:23:13:16:1\r\n", "255:255:255\r\n", "0:0:255".
std::string FormatReadPoint(const ReadPointFormat& format, const ReadPoint& point);

// Replaces the file atomically; false (old file kept) when the write fails.
bool SaveReadPoint(const std::string& path, const ReadPointFormat& format, const ReadPoint& point);
