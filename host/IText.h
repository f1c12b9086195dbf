// Text-engine wrapper classes. Each method is one call of its ATE suite and raises
// ATE::Exception when the call fails. A wrapper made from a reference owns it.
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
  ~IFont();
  FontRef GetRef() const { return fFont; }
  bool IsNull() const { return fFont == nullptr; }

 private:
  FontRef fFont = nullptr;
};

class ICharFeatures {
 public:
  ICharFeatures() = default;
  explicit ICharFeatures(CharFeaturesRef features) : fFeatures(features) {}
  ICharFeatures(const ICharFeatures& other);
  ICharFeatures& operator=(const ICharFeatures& other);
  ~ICharFeatures();
  CharFeaturesRef GetRef() const { return fFeatures; }
  bool IsNull() const { return fFeatures == nullptr; }
  IFont GetFont(bool* isAssigned) const;

 private:
  CharFeaturesRef fFeatures = nullptr;
};

class ITextRange {
 public:
  ITextRange() = default;
  explicit ITextRange(TextRangeRef textrange) : fRange(textrange) {}
  ITextRange(const ITextRange& other);
  ITextRange& operator=(const ITextRange& other);
  virtual ~ITextRange();
  TextRangeRef GetRef() const { return fRange; }
  bool IsNull() const { return fRange == nullptr; }
  ATETextDOM::Int32 GetStart() const;
  ATETextDOM::Int32 GetSize() const;
  void SetRange(ATETextDOM::Int32 start, ATETextDOM::Int32 end);
  ATETextDOM::Int32 GetContents(ATETextDOM::Unicode* text, ATETextDOM::Int32 maxLength) const;
  ICharFeatures GetUniqueLocalCharFeatures();
  ICharFeatures GetUniqueCharFeatures() const;

 private:
  TextRangeRef fRange = nullptr;
};

class ITextFrame {
 public:
  ITextFrame() = default;
  explicit ITextFrame(TextFrameRef textframe) : fFrame(textframe) {}
  ITextFrame(const ITextFrame& other);
  ITextFrame& operator=(const ITextFrame& other);
  virtual ~ITextFrame();
  TextFrameRef GetRef() const { return fFrame; }
  bool IsNull() const { return fFrame == nullptr; }
  ITextRange GetTextRange(bool bIncludeOverflow = true) const;

 private:
  TextFrameRef fFrame = nullptr;
};

}  // namespace ATE

#endif
