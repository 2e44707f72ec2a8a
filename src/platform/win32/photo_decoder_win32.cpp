// Photos through the Windows Imaging Component, the system's own decoders.
// The frame's size is read and judged before any pixel is decoded; a picture
// to be shrunk goes through WIC's scaler, so only the smaller picture is ever
// held in 32 bits. Every pixel format is converted to 32-bit BGRA, which WIC
// (also under Wine) reaches from all of them, where 24-bit BGR is refused for
// palettes, 16-bit channels and GIFs.
#include "platform/photo_decoder.h"
#include "platform/win_types.h"

#include <limits>
#include <wincodec.h>

namespace {

// Holds one COM interface and releases it.
template <typename T> class Held {
public:
    Held() = default;
    ~Held() {
        if (pointer != nullptr)
            pointer->Release();
    }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    T** Out() { return &pointer; }
    T* operator->() const { return pointer; }
    T* Get() const { return pointer; }

private:
    T* pointer = nullptr;
};

using platform::PhotoDecode;
using platform::PhotoSize;

// The frame's pixels at the chosen size as 32-bit BGRA.
bool CopyConverted(IWICImagingFactory* factory, IWICBitmapSource* source, PhotoSize size,
                   std::vector<uint8_t>* pixels) {
    Held<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.Out())) ||
        FAILED(converter->Initialize(source, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                                     nullptr, 0.0, WICBitmapPaletteTypeCustom)))
        return false;
    const UINT stride = static_cast<UINT>(size.width) * 4;
    const uint64_t bytes = uint64_t{stride} * static_cast<uint32_t>(size.height);
    if (bytes > std::numeric_limits<UINT>::max())
        return false;
    pixels->assign(static_cast<size_t>(bytes), 0);
    return SUCCEEDED(
        converter->CopyPixels(nullptr, stride, static_cast<UINT>(bytes), pixels->data()));
}

PhotoDecode Decode(const uint8_t* data, size_t size, const platform::PhotoSizeChoice& choose,
                   PhotoSize* decodedSize, std::vector<uint8_t>* pixels) {
    Held<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(factory.Out()))))
        return PhotoDecode::kNotAPicture;
    Held<IWICStream> stream;
    Held<IWICBitmapDecoder> decoder;
    Held<IWICBitmapFrameDecode> frame;
    if (FAILED(factory->CreateStream(stream.Out())) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(data), static_cast<DWORD>(size))) ||
        FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, decoder.Out())) ||
        FAILED(decoder->GetFrame(0, frame.Out())))
        return PhotoDecode::kNotAPicture;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(frame->GetSize(&width, &height)))
        return PhotoDecode::kNotAPicture;
    const PhotoSize reported{static_cast<int32_t>(std::min<UINT>(width, INT32_MAX)),
                             static_cast<int32_t>(std::min<UINT>(height, INT32_MAX))};
    PhotoSize decoded;
    if (!choose(reported, &decoded) || decoded.width < 1 || decoded.height < 1 ||
        decoded.width > reported.width || decoded.height > reported.height)
        return PhotoDecode::kRefusedSize;
    IWICBitmapSource* source = frame.Get();
    Held<IWICBitmapScaler> scaler;
    if (decoded.width != reported.width || decoded.height != reported.height) {
        if (FAILED(factory->CreateBitmapScaler(scaler.Out())) ||
            FAILED(scaler->Initialize(frame.Get(), static_cast<UINT>(decoded.width),
                                      static_cast<UINT>(decoded.height),
                                      WICBitmapInterpolationModeFant)))
            return PhotoDecode::kNotAPicture;
        source = scaler.Get();
    }
    if (!CopyConverted(factory.Get(), source, decoded, pixels))
        return PhotoDecode::kNotAPicture;
    *decodedSize = decoded;
    return PhotoDecode::kDecoded;
}

} // namespace

namespace platform {

PhotoDecode DecodePhoto(const uint8_t* data, size_t size, const PhotoSizeChoice& choose,
                        PhotoSize* decodedSize, std::vector<uint8_t>* pixels) {
    if (data == nullptr || size == 0 || size > std::numeric_limits<DWORD>::max())
        return PhotoDecode::kNotAPicture;
    // The main thread may have COM started already; each start here is
    // matched by its end.
    const HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const PhotoDecode result = Decode(data, size, choose, decodedSize, pixels);
    if (SUCCEEDED(started))
        CoUninitialize();
    return result;
}

} // namespace platform
