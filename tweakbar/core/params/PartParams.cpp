// What the pieces of a colour, quaternion or direction ("c.Red", "q.Quat X") answer in their own
// way; for every other name they are value rows like any other. Their value is their piece of
// the owner's value in the caller's memory; their label and help stay the piece's name and
// nothing, and their group is the owner.
#include "model/Context.h"
#include "params/ControlParams.h"
#include "values/Parts.h"

namespace tw {
namespace {

const char* keepText(Context&, ControlRef&, const ParamValue&) {
    return nullptr;
}

const char* getName(Context&, const ControlRef& ref, ParamOutput& out) {
    return outText(out, ref.control.shownLabel());
}

const char* getNoHelp(Context&, const ControlRef&, ParamOutput& out) {
    return outText(out, {});
}

const char* getOwner(Context&, const ControlRef& ref, ParamOutput& out) {
    return outText(out, ref.control.owner->name);
}

const char* refuseGroup(Context&, ControlRef&, const ParamValue&) {
    return err::kNoReason;
}

bool holdsValue(const ControlRef& ref) {
    return isVariable(ref);
}

const char* setPartValue(Context& context, ControlRef& ref, const ParamValue& value) {
    double number = 0;
    if (!leadingNumber(value.text, number)) return err::kNoReason;
    return writePart(context, ref.bar, ref.control, number) ? nullptr : err::kNoReason;
}

const char* getPartValue(Context& context, const ControlRef& ref, ParamOutput& out) {
    double number = 0;
    if (!readPart(context, ref.bar, ref.control, number)) return err::kInvalidParameter;
    return outNumbers(out, {number});
}

const ParamDef<ControlRef> kPartParams[] = {
    {"label", ParamShape::Text, keepText, getName},
    {"help", ParamShape::Text, keepText, getNoHelp},
    {"group", ParamShape::TextOrEmpty, refuseGroup, getOwner},
    {"value", ParamShape::Free, setPartValue, getPartValue, holdsValue},
};

}  // namespace

ParamRows<ControlRef> partParams() {
    return rowsOf(kPartParams);
}

}  // namespace tw
