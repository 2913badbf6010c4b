// Entry points that add and remove the controls of a bar.
#include <cstdio>
#include <string>

#include "api/ApiGuard.h"
#include "base/Errors.h"
#include "params/DefineParser.h"
#include "values/Parts.h"
#include "values/ValueText.h"

using namespace tw;

namespace {

// Where a control is being added, once the bar and the name have been checked.
struct AddTarget {
    Context* context = nullptr;
    Bar* bar = nullptr;
    std::string name;
};

// How a variable reaches the caller's value: memory, or callbacks.
struct Binding {
    void* pointer = nullptr;
    bool readOnly = false;
    TwSetVarCallback setter = nullptr;
    TwGetVarCallback getter = nullptr;
    void* clientData = nullptr;
};

std::string unnamedControlName() {
    char text[24];
    std::snprintf(text, sizeof text, "TW_UNNAMED_%04X", engine().unnamedControls++ & 0xffffu);
    return text;
}

// A control without a name gets one, so that defines and TwRemoveVar can reach it.
bool prepareAdd(TwBar* twBar, const char* name, AddTarget& target) {
    target.context = requireContext();
    if (!target.context) return false;
    target.bar = target.context->validate(twBar);
    if (!target.bar) return fail(err::kBarNotFound) != 0;
    target.name = name && *name ? std::string(name) : unnamedControlName();
    // A back-quote would end a quoted name in a define.
    if (target.name.find('`') != std::string::npos) return fail(err::kBackQuoteInName) != 0;
    if (target.bar->find(target.name.c_str())) return fail(err::kExistsAlready) != 0;
    return true;
}

// The first size a context sees stands, and it may differ from the engine's own by one pointer
// (a debug and a release build of one library). Text is read in the engine's own layout, so
// only that size is taken in the end.
const char* checkStdStringSize(Context& context, std::size_t size) {
    constexpr std::size_t own = sizeof(std::string);
    std::size_t& first = context.clientStdStringSize;
    if (first == 0) {
        const std::size_t gap = size > own ? size - own : own - size;
        if (gap != 0 && gap != sizeof(void*)) return err::kStdStringMismatch;
        first = size;
    }
    return size == first && size == own ? nullptr : err::kStdStringMismatch;
}

const char* describeVariable(Context& context, TwType type, TypeInfo& info) {
    if (const char* error = describeType(type, context.enums, info, &context.structs)) {
        return error;
    }
    if (info.kind == ValueKind::StdString) return checkStdStringSize(context, info.size);
    return nullptr;
}

std::unique_ptr<Control> newVariable(TwType type, const TypeInfo& info) {
    auto control = std::make_unique<Control>();
    control->kind = ControlKind::Variable;
    control->type = type;
    control->typeInfo = info;
    // Colours and structs show as one row until the user opens them.
    control->opened = !control->isFoldable();
    control->colorAlpha = info.kind == ValueKind::Color4F;
    control->showValues = info.kind == ValueKind::Dir3F || info.kind == ValueKind::Dir3D;
    const std::size_t size = cacheSize(info);
    control->value.assign(size, 0);
    control->incoming.assign(size, 0);
    return control;
}

// One row per member of a struct variable, inside its row, nested structs in turn. A member
// bound by pointer points into the caller's struct; a member of a struct served by callbacks
// reads and writes the engine's copy of the whole struct. Returns the first error of a
// member's definition; the member stays, as with any control.
DefineError addMembers(Context& context, Bar& bar, Control& parent, Control& root) {
    DefineError firstError;
    for (const StructMember& member : parent.typeInfo.structType->members) {
        TypeInfo info;
        // TwDefineStruct checked it.
        describeType(member.type, context.enums, info, &context.structs);
        auto control = newVariable(member.type, info);
        control->name = parent.name + "." + member.name;
        control->label = member.name;
        control->labelSet = true;
        makeParts(*control);
        control->structRoot = &root;
        control->memberOffset = member.offset;
        control->rootOffset = parent.rootOffset + member.offset;
        if (root.pointer) {
            control->pointer = static_cast<unsigned char*>(root.pointer) + control->rootOffset;
        }
        Control& added = *bar.add(std::move(control));
        bar.placeIn(added, &parent);
        DefineError error;
        if (info.kind == ValueKind::Struct) error = addMembers(context, bar, added, root);
        if (!member.defString.empty() && error.text.empty()) {
            error = applyControlDefine(context, bar, added, member.defString);
        }
        if (firstError.text.empty()) firstError = error;
    }
    return firstError;
}

// Adds a control and applies its definition string. Like a define, a definition that fails
// keeps the pairs before the failure, and the control stays: a plug-in written for an engine
// with more attributes still gets its control.
int addControl(AddTarget& target, std::unique_ptr<Control> control, const char* def) {
    control->name = target.name;
    makeParts(*control);
    Context& context = *target.context;
    Bar& bar = *target.bar;
    Control& added = *bar.add(std::move(control));
    context.structureChanged();
    DefineError error;
    if (added.typeInfo.kind == ValueKind::Struct) error = addMembers(context, bar, added, added);
    if (def) {
        DefineError defError = applyControlDefine(context, bar, added, def);
        if (!defError.text.empty()) error = std::move(defError);
    }
    return error.text.empty() ? 1 : fail(error.text, error.reason);
}

int addVariable(TwBar* bar, const char* name, TwType type, const Binding& binding,
                const char* def) {
    AddTarget target;
    if (!prepareAdd(bar, name, target)) return 0;
    TypeInfo info;
    if (const char* error = describeVariable(*target.context, type, info)) return fail(error);
    if (!binding.pointer && !binding.getter) return fail(err::kInvalidParameter);
    auto control = newVariable(type, info);
    control->pointer = binding.pointer;
    control->readOnlyParam = binding.readOnly;
    control->setter = binding.setter;
    control->getter = binding.getter;
    control->clientData = binding.clientData;
    return addControl(target, std::move(control), def);
}

}  // namespace

int TW_CALL TwAddVarRW(TwBar* bar, const char* name, TwType type, void* var, const char* def) {
    return guarded(0, [&] {
        Binding binding;
        binding.pointer = var;
        return addVariable(bar, name, type, binding, def);
    });
}

int TW_CALL TwAddVarRO(TwBar* bar, const char* name, TwType type, const void* var,
                       const char* def) {
    return guarded(0, [&] {
        Binding binding;
        // Never written through: read-only controls do not reach writeControl.
        binding.pointer = const_cast<void*>(var);
        binding.readOnly = true;
        return addVariable(bar, name, type, binding, def);
    });
}

int TW_CALL TwAddVarCB(TwBar* bar, const char* name, TwType type, TwSetVarCallback setCallback,
                       TwGetVarCallback getCallback, void* clientData, const char* def) {
    return guarded(0, [&] {
        Binding binding;
        binding.setter = setCallback;
        binding.getter = getCallback;
        binding.clientData = clientData;
        return addVariable(bar, name, type, binding, def);
    });
}

int TW_CALL TwAddButton(TwBar* bar, const char* name, TwButtonCallback callback, void* clientData,
                        const char* def) {
    return guarded(0, [&] {
        AddTarget target;
        if (!prepareAdd(bar, name, target)) return 0;
        auto control = std::make_unique<Control>();
        control->kind = ControlKind::Button;
        control->button = callback;
        control->clientData = clientData;
        return addControl(target, std::move(control), def);
    });
}

int TW_CALL TwAddSeparator(TwBar* bar, const char* name, const char* def) {
    return guarded(0, [&] {
        AddTarget target;
        if (!prepareAdd(bar, name, target)) return 0;
        auto control = std::make_unique<Control>();
        control->kind = ControlKind::Separator;
        return addControl(target, std::move(control), def);
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
        if (control->structRoot) return fail(err::kStructMember);
        context->closePopup();
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
        context->closePopup();
        while (!found->topLevel.empty())
            context->removeControl(*found, *found->topLevel.back());
        found->scroll = 0;
        return 1;
    });
}
