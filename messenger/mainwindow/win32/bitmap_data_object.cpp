#include "messenger/mainwindow/win32/bitmap_data_object.h"

#include <new>

namespace kivet {
namespace {

bool IsBitmapFormat(const FORMATETC* format)
{
    return format && format->cfFormat == CF_BITMAP && (format->tymed & TYMED_GDI) &&
           format->dwAspect == DVASPECT_CONTENT;
}

} // namespace

FORMATETC BitmapFormat()
{
    FORMATETC format{};
    format.cfFormat = CF_BITMAP;
    format.ptd = nullptr;
    format.dwAspect = DVASPECT_CONTENT;
    format.lindex = -1;
    format.tymed = TYMED_GDI;
    return format;
}

BitmapDataObject* BitmapDataObject::Create(HBITMAP bitmap)
{
    return new (std::nothrow) BitmapDataObject(bitmap);
}

HRESULT STDMETHODCALLTYPE BitmapDataObject::QueryInterface(REFIID riid, void** ppvObject)
{
    if (!ppvObject) return E_POINTER;
    if (IsEqualIID(riid, __uuidof(IUnknown)) || IsEqualIID(riid, __uuidof(IDataObject))) {
        *ppvObject = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *ppvObject = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE BitmapDataObject::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_refs));
}

ULONG STDMETHODCALLTYPE BitmapDataObject::Release()
{
    LONG refs = InterlockedDecrement(&m_refs);
    if (refs == 0) delete this;
    return static_cast<ULONG>(refs);
}

// The receiver owns the medium it gets and releases it, so every call hands out its own copy.
HRESULT STDMETHODCALLTYPE BitmapDataObject::GetData(FORMATETC* pFormatEtc, STGMEDIUM* pMedium)
{
    if (!pMedium) return E_POINTER;
    if (!IsBitmapFormat(pFormatEtc)) return DV_E_FORMATETC;
    HBITMAP copy = static_cast<HBITMAP>(OleDuplicateData(m_bitmap, CF_BITMAP, 0));
    if (!copy) return E_OUTOFMEMORY;
    pMedium->tymed = TYMED_GDI;
    pMedium->hBitmap = copy;
    pMedium->pUnkForRelease = nullptr;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE BitmapDataObject::GetDataHere(FORMATETC*, STGMEDIUM*)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE BitmapDataObject::QueryGetData(FORMATETC* pFormatEtc)
{
    return IsBitmapFormat(pFormatEtc) ? S_OK : DV_E_FORMATETC;
}

HRESULT STDMETHODCALLTYPE BitmapDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC*)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE BitmapDataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE BitmapDataObject::EnumFormatEtc(DWORD, IEnumFORMATETC**)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE BitmapDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE BitmapDataObject::DUnadvise(DWORD)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE BitmapDataObject::EnumDAdvise(IEnumSTATDATA**)
{
    return E_NOTIMPL;
}

} // namespace kivet
