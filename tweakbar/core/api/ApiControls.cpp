// Entry points that add and remove the controls of a bar.
#include <algorithm>

#include "ApiGuard.h"
#include "DefineParser.h"
#include "Errors.h"
#include "ValueText.h"

using namespace tw;

namespace {

// Adds a control and applies its definition string. Like a define, a definition that fails
// keeps the pairs before the failure, and the control stays: a plug-in written for an engine
// with more attributes still gets its control.
int addControl(TwBar* twBar, const char* name, bool nameRequired, std::unique_ptr<Control> control,
               const char* def) {
    Context* context = requireContext();
    if (!context) return 0;
    Bar* bar = context->validate(twBar);
    if (!bar) return fail(err::kBarNotFound);
    const bool named = name && *name;
    if (nameRequired && !named) return fail(err::kInvalidName);
    if (named && bar->find(name)) return fail(err::kExistsAlready);
    control->name = named ? name : "";
    if (control->kind == ControlKind::Variable) {
        const std::size_t size = cacheSize(control->typeInfo);
        control->value.assign(size, 0);
        control->incoming.assign(size, 0);
    }
    Control& added = *bar->add(std::move(control));
    context->structureChanged();
    if (def) {
        const std::string error = applyControlDefine(*context, *bar, added, def);
        if (!error.empty()) return fail(error);
    }
    return 1;
}

std::unique_ptr<Control> variable(TwType type, const char*& error) {
    auto control = std::make_unique<Control>();
    control->kind = ControlKind::Variable;
    control->type = type;
    error = describeType(type, engine().enums, control->typeInfo);
    // Colours show as one row with a swatch until the user opens their channels.
    control->opened = !isColor(control->typeInfo.kind);
    control->colorAlpha = control->typeInfo.kind == ValueKind::Color4F;
    control->showValues =
        control->typeInfo.kind == ValueKind::Dir3F || control->typeInfo.kind == ValueKind::Dir3D;
    return control;
}

int addPointerVariable(TwBar* bar, const char* name, TwType type, void* pointer, bool readOnly,
                       const char* def) {
    const char* error = nullptr;
    auto control = variable(type, error);
    if (!requireContext()) return 0;
    if (error) return fail(error);
    if (!pointer) return fail(err::kNullVariable);
    control->pointer = pointer;
    control->pointerReadOnly = readOnly;
    return addControl(bar, name, true, std::move(control), def);
}

}  // namespace

int TW_CALL TwAddVarRW(TwBar* bar, const char* name, TwType type, void* var, const char* def) {
    return guarded(0, [&] { return addPointerVariable(bar, name, type, var, false, def); });
}

int TW_CALL TwAddVarRO(TwBar* bar, const char* name, TwType type, const void* var,
                       const char* def) {
    return guarded(0, [&] {
        // Never written through: read-only controls do not reach writeControl.
        return addPointerVariable(bar, name, type, const_cast<void*>(var), true, def);
    });
}

int TW_CALL TwAddVarCB(TwBar* bar, const char* name, TwType type, TwSetVarCallback setCallback,
                       TwGetVarCallback getCallback, void* clientData, const char* def) {
    return guarded(0, [&] {
        const char* error = nullptr;
        auto control = variable(type, error);
        if (!requireContext()) return 0;
        if (error) return fail(error);
        if (!getCallback) return fail(err::kNullGetCallback);
        if (control->typeInfo.kind == ValueKind::DynamicString) {
            return fail(err::kCopyFunctionMissing);
        }
        control->setter = setCallback;
        control->getter = getCallback;
        control->clientData = clientData;
        return addControl(bar, name, true, std::move(control), def);
    });
}

int TW_CALL TwAddButton(TwBar* bar, const char* name, TwButtonCallback callback, void* clientData,
                        const char* def) {
    return guarded(0, [&] {
        auto control = std::make_unique<Control>();
        control->kind = ControlKind::Button;
        control->button = callback;
        control->clientData = clientData;
        return addControl(bar, name, true, std::move(control), def);
    });
}

int TW_CALL TwAddSeparator(TwBar* bar, const char* name, const char* def) {
    return guarded(0, [&] {
        auto control = std::make_unique<Control>();
        control->kind = ControlKind::Separator;
        return addControl(bar, name, false, std::move(control), def);
    });
}

int TW_CALL TwRemoveVar(TwBar* bar, const char* name) {
    return guarded(0, [&] {
        Context* context = requireContext();
        if (!context) return 0;
        Bar* found = context->validate(bar);
        if (!found) return fail(err::kBarNotFound);
        Control* control = found->find(name);
        if (!control) return fail(err::kVariableNotFound);
        context->removeControl(*found, *control);
        return 1;
    });
}

int TW_CALL TwRemoveAllVars(TwBar* bar) {
    return guarded(0, [&] {
        Context* context = requireContext();
        if (!context) return 0;
        Bar* found = context->validate(bar);
        if (!found) return fail(err::kBarNotFound);
        while (!found->topLevel.empty())
            context->removeControl(*found, *found->topLevel.back());
        found->scroll = 0;
        return 1;
    });
}
