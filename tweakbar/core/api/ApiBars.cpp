// Entry points that create, find and delete bars.
#include "api/ApiGuard.h"
#include "base/Errors.h"
#include "values/Refresh.h"

using namespace tw;

TwBar* TW_CALL TwNewBar(const char* barName) {
    return guarded<TwBar*>(nullptr, [&]() -> TwBar* {
        Context* context = requireContext();
        if (!context) return nullptr;
        if (!barName || !*barName) return fail(err::kInvalidName), nullptr;
        if (context->barNamed(barName)) return fail(err::kExistsAlready), nullptr;
        context->closePopup();
        return &context->createBar(barName);
    });
}

int TW_CALL TwDeleteBar(TwBar* bar) {
    return guarded(0, [&] {
        Context* context = requireContext();
        if (!context) return 0;
        Bar* found = context->validate(bar);
        if (!found) return fail(err::kBarNotFound);
        if (found == context->helpBar()) return fail(err::kCannotDeleteHelpBar);
        // Deleting the open enum list's bar closes the list.
        const bool popup = found == context->popupBar.get();
        context->closePopup();
        if (popup) return 1;
        context->deleteBar(*found);
        return 1;
    });
}

int TW_CALL TwDeleteAllBars(void) {
    return guarded(0, [] {
        Context* context = requireContext();
        if (!context) return 0;
        if (context->bars.size() <= 1) return 0;
        context->closePopup();
        while (context->bars.size() > 1)
            context->deleteBar(*context->bars.back());
        return 1;
    });
}

int TW_CALL TwGetBarCount(void) {
    return guarded(0, [] {
        Context* context = requireContext();
        return context ? context->barCount() : 0;
    });
}

TwBar* TW_CALL TwGetBarByIndex(int barIndex) {
    return guarded<TwBar*>(nullptr, [&]() -> TwBar* {
        Context* context = requireContext();
        if (!context) return nullptr;
        Bar* found = context->barAt(barIndex);
        if (!found) fail(err::kIndexOutOfRange);
        return found;
    });
}

TwBar* TW_CALL TwGetBarByName(const char* barName) {
    return guarded<TwBar*>(nullptr, [&]() -> TwBar* {
        Context* context = requireContext();
        if (!context) return nullptr;
        // Asking whether a bar exists is no failure: a missing one is null, with no error.
        return context->barNamed(barName);
    });
}

const char* TW_CALL TwGetBarName(const TwBar* bar) {
    return guarded<const char*>(nullptr, [&]() -> const char* {
        Context* context = requireContext();
        if (!context) return nullptr;
        const Bar* found = context->validate(bar);
        if (!found) return fail(err::kBarNotFound), nullptr;
        return found->name.c_str();
    });
}

int TW_CALL TwRefreshBar(TwBar* bar) {
    return guarded(0, [&] {
        Context* context = requireContext();
        if (!context) return 0;
        if (!bar) {
            // By index: a get callback may delete bars, or end the engine.
            for (std::size_t i = 0; i < context->bars.size(); ++i) {
                readBar(*context, *context->bars[i]);
                if (engine().context != context) break;
            }
            return 1;
        }
        Bar* found = context->validate(bar);
        if (!found) return fail(err::kBarNotFound);
        readBar(*context, *found);
        return 1;
    });
}
