// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dragdrop/OleTypes.h"

#include <array>
#include <atomic>
#include <utility>

// The drag-and-drop interfaces as plain C++ abstract classes: reference counted
// like the desktop's component objects (AddRef, Release, QueryInterface), with
// the desktop's methods, parameters and result codes.
namespace maskwell {

struct IID {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};
    friend bool operator==(const IID&, const IID&) = default;
};

namespace detail {
constexpr IID StandardIid(std::uint32_t data1) {
    return {data1, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
}
} // namespace detail

class IUnknown {
public:
    static constexpr IID iid = detail::StandardIid(0x00000000);
    // Puts the object, as the asked interface and with one more reference, into
    // *object; E_NOINTERFACE (and null) when it has no such interface.
    virtual HRESULT QueryInterface(const IID& riid, void** object) = 0;
    // Both answer the new count; the last Release deletes the object.
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    virtual ~IUnknown() = default;
};

class IEnumFORMATETC : public IUnknown {
public:
    static constexpr IID iid = detail::StandardIid(0x00000103);
    virtual HRESULT Next(ULONG count, FORMATETC* entries, ULONG* fetched) = 0;
    virtual HRESULT Skip(ULONG count) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(IEnumFORMATETC** copy) = 0;
};

// Advise connections exist only as names: no data object here supports them.
class IAdviseSink;
class IEnumSTATDATA;

class IDataObject : public IUnknown {
public:
    static constexpr IID iid = detail::StandardIid(0x0000010E);
    // The medium is the caller's; ReleaseStgMedium frees it.
    virtual HRESULT GetData(const FORMATETC* format, STGMEDIUM* medium) = 0;
    virtual HRESULT GetDataHere(const FORMATETC* format, STGMEDIUM* medium) = 0;
    virtual HRESULT QueryGetData(const FORMATETC* format) = 0;
    virtual HRESULT GetCanonicalFormatEtc(const FORMATETC* format, FORMATETC* canonical) = 0;
    virtual HRESULT SetData(const FORMATETC* format, STGMEDIUM* medium, BOOL release) = 0;
    virtual HRESULT EnumFormatEtc(DWORD direction, IEnumFORMATETC** enumerator) = 0;
    virtual HRESULT DAdvise(const FORMATETC* format, DWORD flags, IAdviseSink* sink,
                            DWORD* connection) = 0;
    virtual HRESULT DUnadvise(DWORD connection) = 0;
    virtual HRESULT EnumDAdvise(IEnumSTATDATA** enumerator) = 0;
};

class IDropSource : public IUnknown {
public:
    static constexpr IID iid = detail::StandardIid(0x00000121);
    // S_OK to go on, DRAGDROP_S_DROP to drop, DRAGDROP_S_CANCEL to give up.
    virtual HRESULT QueryContinueDrag(BOOL escapePressed, DWORD keyState) = 0;
    // The effect the target under the pointer answered.
    virtual HRESULT GiveFeedback(DWORD effect) = 0;
};

class IDropTarget : public IUnknown {
public:
    static constexpr IID iid = detail::StandardIid(0x00000122);
    // `effect` comes in as the effects the source allows and goes out as the
    // one the target would take; the point is in screen coordinates.
    virtual HRESULT DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) = 0;
    virtual HRESULT DragOver(DWORD keyState, POINTL point, DWORD* effect) = 0;
    virtual HRESULT DragLeave() = 0;
    virtual HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) = 0;
};

// The reference counting and QueryInterface of an object that implements one
// interface. A new object starts with one reference, its creator's.
template <typename Interface> class TComObject : public Interface {
public:
    TComObject(const TComObject&) = delete;
    TComObject& operator=(const TComObject&) = delete;

    HRESULT QueryInterface(const IID& riid, void** object) override {
        if (!object)
            return E_POINTER;
        if (riid == IUnknown::iid || riid == Interface::iid) {
            *object = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++references_; }
    ULONG Release() override {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    TComObject() = default;
    ~TComObject() override = default;

private:
    std::atomic<ULONG> references_{1};
};

// Holds one reference to an interface and releases it when it goes.
template <typename Interface> class ComPtr {
public:
    ComPtr() = default;
    // Takes over the reference the caller holds (a new object's, an out
    // parameter's).
    static ComPtr Adopt(Interface* object) {
        ComPtr held;
        held.object_ = object;
        return held;
    }
    // Adds a reference of its own.
    static ComPtr Share(Interface* object) {
        if (object)
            object->AddRef();
        return Adopt(object);
    }
    ComPtr(const ComPtr& other) : object_(other.object_) {
        if (object_)
            object_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }
    ~ComPtr() {
        if (object_)
            object_->Release();
    }

    Interface* get() const { return object_; }
    Interface* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // For an out parameter: drops what is held and hands out the slot.
    Interface** put() {
        *this = ComPtr();
        return &object_;
    }

private:
    Interface* object_ = nullptr;
};

} // namespace maskwell
