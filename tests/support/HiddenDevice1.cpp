#include "HiddenDevice1.h"

#include <d3d11_1.h>

namespace kztest {

namespace {

using QueryInterface = HRESULT(STDMETHODCALLTYPE*)(IUnknown*, REFIID, void**);
QueryInterface realQueryInterface = nullptr;

HRESULT STDMETHODCALLTYPE refuseDevice1(IUnknown* self, REFIID riid, void** object) {
    if (riid == __uuidof(ID3D11Device1)) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    return realQueryInterface(self, riid, object);
}

}  // namespace

HiddenDevice1::HiddenDevice1(ID3D11Device* device) : table_(device, kDeviceMethods) {
    realQueryInterface = reinterpret_cast<QueryInterface>(table_.original(0));
    table_.replace(0, reinterpret_cast<void*>(&refuseDevice1));
}

HiddenDevice1::~HiddenDevice1() = default;

}  // namespace kztest
