// Declarations in the shapes an API header takes, for the export table generator; the shapes
// are the point, so the formatter leaves them as they are.
// clang-format off
#ifndef EXPORT_FIXTURE_API_H
#define EXPORT_FIXTURE_API_H
#if defined(_WIN32)
#define TW_CALL __stdcall
#else
#define TW_CALL
#endif
#define TW_TYPE_FIXED(n) ((int)(0x30000000 + (n)))
#ifdef __cplusplus
#include <string>
extern "C" {
#endif
typedef struct CTwBar TwBar;
typedef void(TW_CALL* TwButtonCallback)(void* clientData);
typedef void (TW_CALL *TwOldStyleCallback)(void *clientData);
typedef struct CTwMember { const char* Name; int Type; } TwMember;
int TW_CALL TwPlain(void);
TwBar* TW_CALL TwReturnsPointer(const char* name, TwButtonCallback callback);
const char *TW_CALL TwAlsoReturnsPointer(const TwBar *bar);
int TW_CALL
TwOnTwoLines(int first,
             int second);
// int TW_CALL TwInAComment(void);
#ifdef __cplusplus
void TW_CALL TwForCppOnly(std::string& text);
#endif
#if !defined(_WIN32)
int TW_CALL TwOnlyElsewhere(void* display);
#endif
#ifdef __cplusplus
}
#endif
#endif
