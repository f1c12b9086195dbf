// The part of CoreServices' Text Encoding Converter that the plug-in calls, declared
// here because the build has no Apple SDK. Values and signatures follow the
// published CarbonCore interface.
#ifndef KESTRUNE_MAC_TEXTENCODINGCONVERTER_H
#define KESTRUNE_MAC_TEXTENCODINGCONVERTER_H

#ifdef __cplusplus
extern "C" {
#endif

typedef int OSStatus;
typedef unsigned long ByteCount;
typedef unsigned int TextEncoding;
typedef unsigned int TextEncodingBase;
typedef unsigned int TextEncodingVariant;
typedef unsigned int TextEncodingFormat;
typedef unsigned char* TextPtr;
typedef const unsigned char* ConstTextPtr;
typedef struct OpaqueTECObjectRef* TECObjectRef;

enum {
  kTextEncodingShiftJIS = 0x0A01,
  kTextEncodingUnicodeDefault = 0x0100,
  kTextEncodingDefaultVariant = 0,
  kTextEncodingDefaultFormat = 0,
  kUnicodeUTF8Format = 2,
};

TextEncoding CreateTextEncoding(TextEncodingBase base, TextEncodingVariant variant, TextEncodingFormat format);
OSStatus TECCreateConverter(TECObjectRef* newEncodingConverter, TextEncoding inputEncoding,
                            TextEncoding outputEncoding);
OSStatus TECConvertText(TECObjectRef encodingConverter, ConstTextPtr inputBuffer, ByteCount inputBufferLength,
                        ByteCount* actualInputLength, TextPtr outputBuffer, ByteCount outputBufferLength,
                        ByteCount* actualOutputLength);
OSStatus TECFlushText(TECObjectRef encodingConverter, TextPtr outputBuffer, ByteCount outputBufferLength,
                      ByteCount* actualOutputLength);
OSStatus TECDisposeConverter(TECObjectRef newEncodingConverter);

#ifdef __cplusplus
}
#endif

#endif
