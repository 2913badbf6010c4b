// Entry points for struct types and for the strings that callers own.
#include <string>

#include "api/ApiGuard.h"
#include "base/Errors.h"
#include "values/ClientStrings.h"

using namespace tw;

// Callers lay out member tables by the original declaration: 8 + 4 (and 4 of padding) + 8 + 8.
static_assert(sizeof(void*) != 8 || sizeof(TwStructMember) == 32, "TwStructMember is 32 bytes");

namespace {

bool structNameTaken(const Context& context, const std::string& name) {
    for (const auto& type : context.structs) {
        if (!name.empty() && type->name == name) return true;
    }
    return false;
}

// Checks one member and appends it; null on success.
const char* addMember(const Context& context, StructType& type, const TwStructMember& member,
                      unsigned index) {
    if (member.Offset >= type.size) return err::kOffsetTooLarge;
    TypeInfo info;
    if (const char* error = describeType(member.Type, context.enums, info, &context.structs)) {
        return error;
    }
    // The engine copies whole structs and reads members out of the copy: a member that runs
    // past the end would be read from beyond it.
    if (member.Offset + info.size > type.size) return err::kOffsetTooLarge;
    if (info.kind == ValueKind::StdString && info.size != sizeof(std::string)) {
        return err::kStdStringMismatch;
    }
    StructMember added;
    added.name = member.Name ? member.Name : std::to_string(index);
    added.type = member.Type;
    added.offset = member.Offset;
    added.defString = member.DefString ? member.DefString : "";
    type.members.push_back(std::move(added));
    return nullptr;
}

// A change of copy function changes which string rows can be edited, in every window.
void stringRowsChanged() {
    for (auto& window : engine().windows)
        window.second->changed();
}

}  // namespace

TwType TW_CALL TwDefineStruct(const char* name, const TwStructMember* members,
                              unsigned int nbMembers, size_t structSize,
                              TwSummaryCallback summaryCallback, void* summaryClientData) {
    return guarded(TW_TYPE_UNDEF, [&] {
        Context* context = requireContext();
        if (!context) return TW_TYPE_UNDEF;
        if (!members || nbMembers == 0 || structSize == 0) {
            return fail(err::kInvalidParameter), TW_TYPE_UNDEF;
        }
        auto type = std::make_unique<StructType>();
        type->name = name ? name : "";
        if (structNameTaken(*context, type->name)) return fail(err::kExistsAlready), TW_TYPE_UNDEF;
        type->size = structSize;
        type->summary = summaryCallback;
        type->summaryClientData = summaryClientData;
        for (unsigned i = 0; i < nbMembers; ++i) {
            if (const char* error = addMember(*context, *type, members[i], i)) {
                return fail(error), TW_TYPE_UNDEF;
            }
        }
        StructRegistry& structs = context->structs;
        structs.push_back(std::move(type));
        return static_cast<TwType>(kStructTypeBase + kBuiltInStructTypes + structs.size() - 1);
    });
}

void TW_CALL TwCopyCDStringToClientFunc(TwCopyCDStringToClient copyCDStringFunc) {
    guarded(0, [&] {
        engine().copyCDStringToClient = copyCDStringFunc;
        stringRowsChanged();
        return 1;
    });
}

void TW_CALL TwCopyCDStringToLibrary(char** destinationLibraryStringPtr,
                                     const char* sourceClientString) {
    guarded(0, [&] {
        copyToLibrary(destinationLibraryStringPtr, sourceClientString);
        return 1;
    });
}

void TW_CALL TwCopyStdStringToClientFunc(TwCopyStdStringToClient copyStdStringToClientFunc) {
    guarded(0, [&] {
        engine().copyStdStringToClient = copyStdStringToClientFunc;
        stringRowsChanged();
        return 1;
    });
}

void TW_CALL TwCopyStdStringToLibrary(std::string& destinationLibraryString,
                                      const std::string& sourceClientString) {
    guarded(0, [&] {
        if (engine().context) destinationLibraryString = sourceClientString;
        return 1;
    });
}
