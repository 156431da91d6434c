#pragma once

#include <string_view>

// Texts the bookmark screens show, byte for byte.

inline constexpr std::string_view kMsgFileCreateFailed = "북마크 화일 생성실패";
inline constexpr std::string_view kMsgInvalidBookmark = "잘못 기록된 북마크 정보 입니다.";

// Writes that failed; the file is then exactly as it was.
inline constexpr std::string_view kMsgSaveFailed = "북마크 저장에 실패했습니다.";
inline constexpr std::string_view kMsgDeleteFailed = "북마크 삭제에 실패했습니다.";
// The file no longer holds the chosen bookmark where the list showed it; nothing was deleted
// and the list has been read again.
inline constexpr std::string_view kMsgFileChanged =
    "북마크 화일이 바뀌어 삭제하지 않았습니다. 목록을 다시 확인해 주세요.";

// The add dialog's checks, in the order it makes them.
inline constexpr std::string_view kMsgEnterTitle = "제목을 입력해 주세요";
inline constexpr std::string_view kMsgTitleColon = "제목에 ':' 문자는 쓸 수 없습니다.";
inline constexpr std::string_view kMsgTitleLineBreak = "제목에 줄바꿈은 쓸 수 없습니다.";
inline constexpr std::string_view kMsgChooseTestament = "책을 선택해 주세요";
inline constexpr std::string_view kMsgChooseBook = "성경을 선택해 주세요";
inline constexpr std::string_view kMsgChooseChapter = "장을 선택해 주세요";
inline constexpr std::string_view kMsgEnterVerse = "구절을 입력해 주세요";
inline constexpr std::string_view kMsgBadNumber = "올바른 숫자를 입력해 주세요";
inline constexpr std::string_view kMsgDigitsOnly = "구절에는 숫자만 입력해 주세요";
inline constexpr std::string_view kMsgNoSuchVerse = "없는 구절입니다. 올바른 구절을 입력해 주세요.";
inline constexpr std::string_view kMsgTitleTooLong = "제목이 너무 깁니다.";

// Formats.
inline constexpr const char* kFmtAdded = "%d번째 북마크 추가 완료";
inline constexpr const char* kFmtStatusCaption = "상태 ( 총 %d 개 )";
inline constexpr const char* kFmtDeleteQuestion = "%d번째 [%s-%s:%s] 북마크를 삭제 할까요?";
