// Text-engine wrapper classes. Each method is one call of its ATE suite, the member
// the vendor's own wrapper calls, and raises ATE::Exception when the call fails. A
// wrapper made from a reference owns it; copies share it through AddRef and Release.
#ifndef KESTRUNE_HOST_ITEXT_H
#define KESTRUNE_HOST_ITEXT_H

#include "ATETypes.h"

namespace ATE {

class IFont {
 public:
  IFont() = default;
  explicit IFont(FontRef font) : fFont(font) {}
  IFont(const IFont& other);
  IFont& operator=(const IFont& other);
  virtual ~IFont();
  FontRef GetRef() const { return fFont; }
  bool IsNull() const;  // asks the host

 private:
  FontRef fFont = nullptr;
};

class ICharFeatures {
 public:
  ICharFeatures() = default;
  explicit ICharFeatures(CharFeaturesRef features) : fCharFeatures(features) {}
  ICharFeatures(const ICharFeatures& other);
  ICharFeatures& operator=(const ICharFeatures& other);
  virtual ~ICharFeatures();
  CharFeaturesRef GetRef() const { return fCharFeatures; }
  bool IsNull() const;  // asks the host
  IFont GetFont(bool* isAssigned) const;

 private:
  CharFeaturesRef fCharFeatures = nullptr;
};

class ITextRange {
 public:
  ITextRange() = default;
  explicit ITextRange(TextRangeRef textrange) : fTextRange(textrange) {}
  ITextRange(const ITextRange& other);
  ITextRange& operator=(const ITextRange& other);
  virtual ~ITextRange();
  TextRangeRef GetRef() const { return fTextRange; }
  bool IsNull() const;  // asks the host
  ATETextDOM::Int32 GetStart() const;
  ATETextDOM::Int32 GetSize() const;
  void SetRange(ATETextDOM::Int32 start, ATETextDOM::Int32 end);
  ATETextDOM::Int32 GetContents(ATETextDOM::Unicode* text, ATETextDOM::Int32 maxLength) const;
  ICharFeatures GetUniqueLocalCharFeatures();
  ICharFeatures GetUniqueCharFeatures() const;

 private:
  TextRangeRef fTextRange = nullptr;
};

class ITextFrame {
 public:
  ITextFrame() = default;
  explicit ITextFrame(TextFrameRef textframe) : fTextFrame(textframe) {}
  ITextFrame(const ITextFrame& other);
  ITextFrame& operator=(const ITextFrame& other);
  virtual ~ITextFrame();
  TextFrameRef GetRef() const { return fTextFrame; }
  ITextRange GetTextRange(bool bIncludeOverflow = true) const;

 private:
  TextFrameRef fTextFrame = nullptr;
};

}  // namespace ATE

#endif
