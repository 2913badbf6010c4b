// Entry points that create, find and delete bars.
#include "ApiGuard.h"
#include "Errors.h"
#include "Refresh.h"

using namespace tw;

TwBar* TW_CALL TwNewBar(const char* barName) {
    return guarded<TwBar*>(nullptr, [&]() -> TwBar* {
        Context* context = requireContext();
        if (!context) return nullptr;
        if (!barName || !*barName) return fail(err::kInvalidName), nullptr;
        if (context->barNamed(barName)) return fail(err::kExistsAlready), nullptr;
        return &context->createBar(barName);
    });
}

int TW_CALL TwDeleteBar(TwBar* bar) {
    return guarded(0, [&] {
        Context* context = requireContext();
        if (!context) return 0;
        Bar* found = context->validate(bar);
        if (!found) return fail(err::kBarNotFound);
        if (found == context->helpBar()) return fail(err::kHelpBarIsPermanent);
        context->deleteBar(*found);
        return 1;
    });
}

int TW_CALL TwGetBarCount(void) {
    return guarded(0, [] {
        Context* context = requireContext();
        return context ? int(context->bars.size()) : 0;
    });
}

TwBar* TW_CALL TwGetBarByIndex(int barIndex) {
    return guarded<TwBar*>(nullptr, [&]() -> TwBar* {
        Context* context = requireContext();
        if (!context) return nullptr;
        if (barIndex < 0 || barIndex >= int(context->bars.size())) {
            return fail(err::kBarNotFound), nullptr;
        }
        return context->bars[std::size_t(barIndex)].get();
    });
}

TwBar* TW_CALL TwGetBarByName(const char* barName) {
    return guarded<TwBar*>(nullptr, [&]() -> TwBar* {
        Context* context = requireContext();
        if (!context) return nullptr;
        Bar* found = context->barNamed(barName);
        if (!found) fail(err::kBarNotFound);
        return found;
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
        Bar* found = context->validate(bar);
        if (!found) return fail(err::kBarNotFound);
        readBar(*context, *found);
        return 1;
    });
}
