// The tweak-bar C API: bars of controls drawn over a Direct3D 11 picture and driven by window
// messages. Callers (the overlay module and its plug-ins) include only this header, so the
// bundled engine and an installed library of the same API are interchangeable at link time.
//
// Conventions: functions that return int give 1 on success and 0 on failure, and then
// TwGetLastError() describes the failure. A null TwBar* makes every function that takes one fail
// without touching anything. All strings are narrow and NUL-terminated.
#ifndef TW_INCLUDE_ANTTWEAKBAR_H
#define TW_INCLUDE_ANTTWEAKBAR_H

#if defined(_WIN32)
#define TW_CALL __stdcall
#else
#define TW_CALL
#endif

#include <stddef.h>
#ifdef __cplusplus
#include <string>
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef struct CTwBar TwBar;

// ---- Enumerations (their values are part of the ABI) ----

// Fixed to int in C++ so that any value a caller passes is a value of the type, and is refused
// rather than undefined.
#ifdef __cplusplus
typedef enum ETwGraphAPI : int {
#else
typedef enum ETwGraphAPI {
#endif
    TW_OPENGL = 1,
    TW_DIRECT3D9 = 2,
    TW_DIRECT3D10 = 3,
    TW_DIRECT3D11 = 4,
    TW_OPENGL_CORE = 5
} TwGraphAPI;

typedef enum ETwParamValueType {
    TW_PARAM_INT32 = 0,
    TW_PARAM_FLOAT = 1,
    TW_PARAM_DOUBLE = 2,
    TW_PARAM_CSTRING = 3
} TwParamValueType;

// In C++ the type is fixed to int: TW_TYPE_CSSTRING(n) and the enum types made at run time lie
// beyond the named values, which an enum without a fixed type cannot hold.
#ifdef __cplusplus
typedef enum ETwType : int {
#else
typedef enum ETwType {
#endif
    TW_TYPE_UNDEF = 0,
    TW_TYPE_BOOLCPP = 1,
    TW_TYPE_BOOL8 = 2,
    TW_TYPE_BOOL16 = 3,
    TW_TYPE_BOOL32 = 4,
    TW_TYPE_CHAR = 5,
    TW_TYPE_INT8 = 6,
    TW_TYPE_UINT8 = 7,
    TW_TYPE_INT16 = 8,
    TW_TYPE_UINT16 = 9,
    TW_TYPE_INT32 = 10,
    TW_TYPE_UINT32 = 11,
    TW_TYPE_FLOAT = 12,
    TW_TYPE_DOUBLE = 13,
    TW_TYPE_COLOR32 = 14,  // packed 0xAABBGGRR (bytes R, G, B, A); see the colororder parameter
    TW_TYPE_COLOR3F = 15,  // float r, g, b in 0..1
    TW_TYPE_COLOR4F = 16,  // float r, g, b, a in 0..1
    TW_TYPE_CDSTRING = 17,
    TW_TYPE_QUAT4F = 19,
    TW_TYPE_QUAT4D = 20,
    TW_TYPE_DIR3F = 21,
    TW_TYPE_DIR3D = 22,
    // Widens the enum to 32 bits, so that TW_TYPE_CSSTRING(n) and the types made by
    // TwDefineEnum are values of it.
    TW_TYPE_MAX_VALUE_ = 0x7fffffff
} TwType;

// A char array of n bytes, edited in place.
#define TW_TYPE_CSSTRING(n) ((TwType)(0x30000000 + ((n)&0xfffffff)))

#ifdef __cplusplus
// A std::string of the caller. The value carries the size of std::string as the caller's
// compiler builds it; the engine edits it only through TwCopyStdStringToClientFunc's function.
#if defined(_MSC_VER) && (_MSC_VER == 1600)
#define TW_TYPE_STDSTRING ((TwType)(0x2ffe0000 + sizeof(std::string)))
#else
#define TW_TYPE_STDSTRING ((TwType)(0x2fff0000 + sizeof(std::string)))
#endif
#endif

// ---- Callbacks ----

typedef void(TW_CALL* TwButtonCallback)(void* clientData);
typedef void(TW_CALL* TwSetVarCallback)(const void* value, void* clientData);
typedef void(TW_CALL* TwGetVarCallback)(void* value, void* clientData);

typedef struct CTwEnumVal {
    int Value;
    const char* Label;
} TwEnumVal;

// One member of a struct type: its name (null: its index), type, byte offset in the struct and
// the definition applied to its row.
typedef struct CTwStructMember {
    const char* Name;
    TwType Type;
    size_t Offset;
    const char* DefString;
} TwStructMember;

// Writes at most summaryMaxLength characters describing value (the struct's bytes); the text
// is shown in the struct row's value column.
typedef void(TW_CALL* TwSummaryCallback)(char* summaryString, size_t summaryMaxLength,
                                         const void* value, void* clientData);

// Stores sourceString into the caller's char* (allocating as the caller does).
typedef void(TW_CALL* TwCopyCDStringToClient)(char** destinationClientStringPtr,
                                              const char* sourceString);
#ifdef __cplusplus
// Assigns sourceString to the caller's std::string, in code compiled by the caller.
typedef void(TW_CALL* TwCopyStdStringToClient)(std::string& destinationClientString,
                                               const std::string& sourceString);
#endif

// ---- Generic input: enumerations (their values are part of the ABI) ----

typedef enum ETwMouseAction { TW_MOUSE_RELEASED = 0, TW_MOUSE_PRESSED = 1 } TwMouseAction;

typedef enum ETwMouseButtonID {
    TW_MOUSE_LEFT = 1,
    TW_MOUSE_MIDDLE = 2,
    TW_MOUSE_RIGHT = 3
} TwMouseButtonID;

// Modifier masks; either bit of a pair counts (left and right keys).
typedef enum ETwKeyModifier {
    TW_KMOD_NONE = 0x0000,
    TW_KMOD_SHIFT = 0x0003,
    TW_KMOD_CTRL = 0x00c0,
    TW_KMOD_ALT = 0x0100,
    TW_KMOD_META = 0x0c00
} TwKeyModifier;

// Keys that are not characters. Printable keys are passed as their character code (1..255).
typedef enum EKeySpecial {
    TW_KEY_BACKSPACE = 8,
    TW_KEY_TAB = 9,
    TW_KEY_CLEAR = 12,
    TW_KEY_RETURN = 13,
    TW_KEY_PAUSE = 19,
    TW_KEY_ESCAPE = 27,
    TW_KEY_SPACE = 32,
    TW_KEY_DELETE = 127,
    TW_KEY_UP = 273,
    TW_KEY_DOWN,
    TW_KEY_RIGHT,
    TW_KEY_LEFT,
    TW_KEY_INSERT,
    TW_KEY_HOME,
    TW_KEY_END,
    TW_KEY_PAGE_UP,
    TW_KEY_PAGE_DOWN,
    TW_KEY_F1,
    TW_KEY_F2,
    TW_KEY_F3,
    TW_KEY_F4,
    TW_KEY_F5,
    TW_KEY_F6,
    TW_KEY_F7,
    TW_KEY_F8,
    TW_KEY_F9,
    TW_KEY_F10,
    TW_KEY_F11,
    TW_KEY_F12,
    TW_KEY_F13,
    TW_KEY_F14,
    TW_KEY_F15,
    TW_KEY_LAST
} TwKeySpecial;

// ---- Error handler ----

typedef void(TW_CALL* TwErrorHandler)(const char* errorMessage);

// ---- Start and stop ----

// Starts the engine on the given graphics device and creates the help bar (index 0).
int TW_CALL TwInit(TwGraphAPI graphAPI, void* device);
// Deletes every bar and releases every graphics resource; the device keeps its own references.
int TW_CALL TwTerminate(void);

// ---- Drawing and input ----

// Size of the drawing area in pixels; (0, 0) releases graphics resources until the next size.
int TW_CALL TwWindowSize(int width, int height);
// Draws every visible bar into the render target that the caller has bound.
int TW_CALL TwDraw(void);
// Hands one window message to the engine; nonzero when the engine handled it.
int TW_CALL TwEventWin(void* wnd, unsigned int msg, unsigned long long wParam, long long lParam);
// The same function under its older name.
int TW_CALL TwEventWin32(void* wnd, unsigned int msg, unsigned long long wParam, long long lParam);

// ---- Generic input (what TwEventWin translates window messages into) ----

// Pointer position in pixels from the top-left of the drawing area; 1 over a bar or while the
// engine drags something.
int TW_CALL TwMouseMotion(int mouseX, int mouseY);
// A press or release at the last position given to TwMouseMotion; 1 over or used by a bar.
int TW_CALL TwMouseButton(TwMouseAction action, TwMouseButtonID button);
// The absolute, accumulated wheel position in notches (not a delta): each change scrolls the
// bar under the pointer one row; a jump of 4 or more is ignored.
int TW_CALL TwMouseWheel(int pos);
// One key press (a character code 1..255 or a TW_KEY_* value) with TW_KMOD_* modifiers; 1 when
// a bar consumed it.
int TW_CALL TwKeyPressed(int key, int modifiers);
// Whether TwKeyPressed with the same arguments would consume the key; changes nothing.
int TW_CALL TwKeyTest(int key, int modifiers);

// ---- Bars ----

// A new bar, appended to the list of bars; null if the name is taken.
TwBar* TW_CALL TwNewBar(const char* barName);
// Removes a bar (not the help bar); later bars move down one index.
int TW_CALL TwDeleteBar(TwBar* bar);
int TW_CALL TwGetBarCount(void);
// Bars in creation order, the help bar first; null when out of range.
TwBar* TW_CALL TwGetBarByIndex(int barIndex);
// Exact, case-sensitive match; null when no bar has that name.
TwBar* TW_CALL TwGetBarByName(const char* barName);
const char* TW_CALL TwGetBarName(const TwBar* bar);
// Makes the bar read its variables and get callbacks again; a null bar refreshes every bar.
int TW_CALL TwRefreshBar(TwBar* bar);
// Deletes every bar but the help bar; 1 if at least one was deleted.
int TW_CALL TwDeleteAllBars(void);

// ---- Drawing order and focus ----

// Draws the bar above the others and gives it input first (within its alwaysbottom/alwaystop
// layer).
int TW_CALL TwSetTopBar(const TwBar* bar);
TwBar* TW_CALL TwGetTopBar(void);
// Draws the bar below the others (within its layer).
int TW_CALL TwSetBottomBar(const TwBar* bar);
TwBar* TW_CALL TwGetBottomBar(void);
// The first bar, in creation order, that is open and has the pointer over it or a text field
// open; null when none.
TwBar* TW_CALL TwGetActiveBar(void);

// ---- Several windows ----

// Selects the window that the other calls act on; an unseen id gets bars, types and a drawing
// area of its own. Window 0 is the one TwInit makes.
int TW_CALL TwSetCurrentWindow(int windowID);
int TW_CALL TwGetCurrentWindow(void);
int TW_CALL TwWindowExists(int windowID);

// ---- Controls ----

// A variable bound to memory that the caller owns and keeps valid while the control exists.
int TW_CALL TwAddVarRW(TwBar* bar, const char* name, TwType type, void* var, const char* def);
// The same, read-only.
int TW_CALL TwAddVarRO(TwBar* bar, const char* name, TwType type, const void* var, const char* def);
// A variable served by callbacks; a null set callback makes it read-only.
int TW_CALL TwAddVarCB(TwBar* bar, const char* name, TwType type, TwSetVarCallback setCallback,
                       TwGetVarCallback getCallback, void* clientData, const char* def);
// A button; a null callback makes it a line of text.
int TW_CALL TwAddButton(TwBar* bar, const char* name, TwButtonCallback callback, void* clientData,
                        const char* def);
// A separator line; the name may be empty (and then cannot be addressed).
int TW_CALL TwAddSeparator(TwBar* bar, const char* name, const char* def);
int TW_CALL TwRemoveVar(TwBar* bar, const char* name);
int TW_CALL TwRemoveAllVars(TwBar* bar);

// ---- Parameters ----

// Applies "target param=value ..." entries; see the engine's README for the syntax.
int TW_CALL TwDefine(const char* def);
// New enum types; their values lie above the built-in types.
TwType TW_CALL TwDefineEnum(const char* name, const TwEnumVal* enumValues, unsigned int nbValues);
TwType TW_CALL TwDefineEnumFromString(const char* name, const char* enumString);
// A new struct type whose variables show one foldable row and a row per member; a null
// summaryCallback shows the members' values as {v1,v2,...}. TW_TYPE_UNDEF on failure.
TwType TW_CALL TwDefineStruct(const char* name, const TwStructMember* structMembers,
                              unsigned int nbMembers, size_t structSize,
                              TwSummaryCallback summaryCallback, void* summaryClientData);

// ---- Strings owned by the caller ----

// Registers how edited text reaches a TW_TYPE_CDSTRING variable bound by pointer (null
// unregisters; without it such variables are read-only). Works before TwInit and survives
// TwTerminate.
void TW_CALL TwCopyCDStringToClientFunc(TwCopyCDStringToClient copyCDStringFunc);
// Inside a TW_TYPE_CDSTRING get callback: hands the caller's text to the engine's char*.
void TW_CALL TwCopyCDStringToLibrary(char** destinationLibraryStringPtr,
                                     const char* sourceClientString);
#ifdef __cplusplus
// The same for TW_TYPE_STDSTRING variables bound by pointer.
void TW_CALL TwCopyStdStringToClientFunc(TwCopyStdStringToClient copyStdStringToClientFunc);
// Inside a TW_TYPE_STDSTRING get callback: hands the caller's text to the engine's string.
void TW_CALL TwCopyStdStringToLibrary(std::string& destinationLibraryString,
                                      const std::string& sourceClientString);
#endif

// Reads a parameter of a bar (null or empty varName) or of a control; a null bar addresses the
// GLOBAL parameters. Returns the number of values written, 0 on failure.
int TW_CALL TwGetParam(TwBar* bar, const char* varName, const char* paramName,
                       TwParamValueType paramValueType, unsigned int outValueMaxCount,
                       void* outValues);
// Writes a parameter the same way; returns 1 on success.
int TW_CALL TwSetParam(TwBar* bar, const char* varName, const char* paramName,
                       TwParamValueType paramValueType, unsigned int inValueCount,
                       const void* inValues);

// ---- Errors ----

// The description of the last failure, or null; reading it clears it.
const char* TW_CALL TwGetLastError(void);
// Called with the text of every failure as it is recorded (TwGetLastError still gives it).
// Without a handler, failures are written to stderr and the debugger output. Works before
// TwInit and stays across TwTerminate; null removes the handler.
void TW_CALL TwHandleErrors(TwErrorHandler errorHandler);

#ifdef __cplusplus
}
#endif

#endif  // TW_INCLUDE_ANTTWEAKBAR_H
