// An extension of the bundled engine: which API function a reported failure came from, for an
// error handler that writes failures where people read them. Not part of the original API;
// callers that want to stay portable to other engines do not include it.
#ifndef TW_INCLUDE_TWFAILINGCALL_H
#define TW_INCLUDE_TWFAILINGCALL_H

#include "AntTweakBar.h"

#ifdef __cplusplus
extern "C" {
#endif

// Inside an error handler: the name of the API function whose failure is being reported
// ("TwDefine"; the innermost one when a callback called the API). Null outside any API
// function, such as on a thread that runs none.
const char* TW_CALL TwGetFailingCall(void);

// Inside an error handler: 1 when the text handed over is the inner reason of a failure
// ("Bad value"), whose whole text ("Unable to set param 'B/v min'  : Bad value") the handler
// is given next; 0 otherwise. A handler that writes one line per failure skips these.
int TW_CALL TwIsErrorReason(void);

#ifdef __cplusplus
}
#endif

#endif  // TW_INCLUDE_TWFAILINGCALL_H
