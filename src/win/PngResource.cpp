#include <windows.h>
#include <wincodec.h>

#include "win/Pixels.h"

namespace zorbel::win {

namespace {

// Spelt out here: the static libraries' GUID symbols are not to be trusted
// (one of them, IID_IAccessible, is an import thunk's address).
constexpr CLSID kImagingFactory = {0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
constexpr GUID kFormat32bppBGR = {0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0e}};

// Holds one COM reference and lets it go.
template <class T>
class Ref {
public:
    Ref() = default;
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    ~Ref() {
        if (p_ != nullptr) p_->Release();
    }
    T** operator&() { return &p_; }
    T* operator->() const { return p_; }
    T* get() const { return p_; }

private:
    T* p_ = nullptr;
};

}  // namespace

Pixels DecodePngResource(int id) {
    Pixels out;
    HMODULE self = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(self, MAKEINTRESOURCEW(id), RT_RCDATA);
    HGLOBAL loaded = found != nullptr ? LoadResource(self, found) : nullptr;
    auto* bytes = loaded != nullptr ? static_cast<BYTE*>(LockResource(loaded)) : nullptr;
    if (bytes == nullptr) return out;

    Ref<IWICImagingFactory> factory;
    Ref<IWICStream> stream;
    Ref<IWICBitmapDecoder> decoder;
    Ref<IWICBitmapFrameDecode> frame;
    Ref<IWICFormatConverter> converter;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(CoCreateInstance(kImagingFactory, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IWICImagingFactory),
                                reinterpret_cast<void**>(&factory))) ||
        FAILED(factory->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(bytes, SizeofResource(self, found))) ||
        FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame.get(), kFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height))) {
        return out;
    }
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    const UINT stride = width * sizeof(std::uint32_t);
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, reinterpret_cast<BYTE*>(pixels.data())))) {
        return out;
    }
    out.width = static_cast<int>(width);
    out.height = static_cast<int>(height);
    out.bgrx = std::move(pixels);
    return out;
}

}  // namespace zorbel::win
