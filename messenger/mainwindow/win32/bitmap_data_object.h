// A data object that offers one GDI bitmap in the bitmap clipboard format. It is the source from which
// the OLE library builds the static picture objects embedded in rich-edit controls.
#pragma once

#include <windows.h>
#include <ole2.h>

namespace kivet {

class BitmapDataObject final : public IDataObject {
public:
    // A new object holding one reference, or nullptr when memory runs out. The bitmap stays owned by
    // the caller and must outlive the object; GetData hands out copies of it.
    static BitmapDataObject* Create(HBITMAP bitmap);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDataObject: only GetData and QueryGetData do anything.
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* pFormatEtc, STGMEDIUM* pMedium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* pFormatEtc, STGMEDIUM* pMedium) override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* pFormatEtc) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* pFormatIn, FORMATETC* pFormatOut) override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC* pFormatEtc, STGMEDIUM* pMedium, BOOL fRelease) override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnum) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* pFormatEtc, DWORD advf, IAdviseSink* pSink,
                                      DWORD* pdwConnection) override;
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD dwConnection) override;
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** ppEnum) override;

private:
    explicit BitmapDataObject(HBITMAP bitmap) : m_bitmap(bitmap) {}
    ~BitmapDataObject() = default;

    LONG m_refs = 1;
    HBITMAP m_bitmap;
};

// The one format the object offers: a bitmap of the content aspect on the GDI medium.
FORMATETC BitmapFormat();

} // namespace kivet
