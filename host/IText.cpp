#include "IText.h"

#include "ATESuites.h"

// The plug-in defines these and holds them while it runs; null while a suite is not held.
extern const ATE::TextRangeSuite* sTextRange;
extern const ATE::CharFeaturesSuite* sCharFeatures;
extern const ATE::FontSuite* sFont;
extern const ATE::TextFrameSuite* sTextFrame;

namespace ATE {
namespace {

// A missing suite is a failed call, never a call through null.
template <typename SuiteT>
const SuiteT& Suite(SuiteT* suite) {
  if (suite == nullptr) throw ATE::Exception(kInternalError);
  return *suite;
}

void Check(ATEErr err) {
  if (err != kNoError) throw ATE::Exception(err);
}

// Copying a wrapper shares the host object; the destructor gives the share back.
// Null references are no objects of the host's and are never counted.
template <typename SuiteT, typename Ref>
void Retain(SuiteT* suite, Ref ref) {
  if (ref != nullptr) Suite(suite).AddRef(ref);
}

template <typename SuiteT, typename Ref>
void ReleaseQuietly(SuiteT* suite, Ref ref) {
  if (ref != nullptr && suite != nullptr) suite->Release(ref);
}

template <typename SuiteT, typename Ref>
void Assign(SuiteT* suite, Ref& mine, Ref theirs) {
  if (mine == theirs) return;
  Retain(suite, theirs);
  ReleaseQuietly(suite, mine);
  mine = theirs;
}

}  // namespace

IFont::IFont(const IFont& other) : fFont(other.fFont) { Retain(sFont, fFont); }
IFont& IFont::operator=(const IFont& other) {
  Assign(sFont, fFont, other.fFont);
  return *this;
}
IFont::~IFont() { ReleaseQuietly(sFont, fFont); }
bool IFont::IsNull() const { return Suite(sFont).IsNull(fFont) != 0; }

ICharFeatures::ICharFeatures(const ICharFeatures& other) : fCharFeatures(other.fCharFeatures) {
  Retain(sCharFeatures, fCharFeatures);
}
ICharFeatures& ICharFeatures::operator=(const ICharFeatures& other) {
  Assign(sCharFeatures, fCharFeatures, other.fCharFeatures);
  return *this;
}
ICharFeatures::~ICharFeatures() { ReleaseQuietly(sCharFeatures, fCharFeatures); }
bool ICharFeatures::IsNull() const { return Suite(sCharFeatures).IsNull(fCharFeatures) != 0; }

IFont ICharFeatures::GetFont(bool* isAssigned) const {
  FontRef font = nullptr;
  ATEBool8 assigned = 0;
  Check(Suite(sCharFeatures).GetFont(fCharFeatures, &assigned, &font));
  if (isAssigned != nullptr) *isAssigned = assigned != 0;
  return IFont(font);
}

ITextRange::ITextRange(const ITextRange& other) : fTextRange(other.fTextRange) { Retain(sTextRange, fTextRange); }
ITextRange& ITextRange::operator=(const ITextRange& other) {
  Assign(sTextRange, fTextRange, other.fTextRange);
  return *this;
}
ITextRange::~ITextRange() { ReleaseQuietly(sTextRange, fTextRange); }
bool ITextRange::IsNull() const { return Suite(sTextRange).IsNull(fTextRange) != 0; }

ATETextDOM::Int32 ITextRange::GetStart() const {
  ATETextDOM::Int32 ret = 0;
  Check(Suite(sTextRange).GetStart(fTextRange, &ret));
  return ret;
}

ATETextDOM::Int32 ITextRange::GetSize() const {
  ATETextDOM::Int32 ret = 0;
  Check(Suite(sTextRange).GetSize(fTextRange, &ret));
  return ret;
}

void ITextRange::SetRange(ATETextDOM::Int32 start, ATETextDOM::Int32 end) {
  Check(Suite(sTextRange).SetRange(fTextRange, start, end));
}

ATETextDOM::Int32 ITextRange::GetContents(ATETextDOM::Unicode* text, ATETextDOM::Int32 maxLength) const {
  ATETextDOM::Int32 ret = 0;
  Check(Suite(sTextRange).GetContents_AsUnicode(fTextRange, text, maxLength, &ret));
  return ret;
}

ICharFeatures ITextRange::GetUniqueLocalCharFeatures() {
  CharFeaturesRef ret = nullptr;
  Check(Suite(sTextRange).GetUniqueLocalCharFeatures(fTextRange, &ret));
  return ICharFeatures(ret);
}

ICharFeatures ITextRange::GetUniqueCharFeatures() const {
  CharFeaturesRef ret = nullptr;
  Check(Suite(sTextRange).GetUniqueCharFeatures(fTextRange, &ret));
  return ICharFeatures(ret);
}

ITextFrame::ITextFrame(const ITextFrame& other) : fTextFrame(other.fTextFrame) { Retain(sTextFrame, fTextFrame); }
ITextFrame& ITextFrame::operator=(const ITextFrame& other) {
  Assign(sTextFrame, fTextFrame, other.fTextFrame);
  return *this;
}
ITextFrame::~ITextFrame() { ReleaseQuietly(sTextFrame, fTextFrame); }

ITextRange ITextFrame::GetTextRange(bool bIncludeOverflow) const {
  TextRangeRef ret = nullptr;
  Check(Suite(sTextFrame).GetTextRange(fTextFrame, bIncludeOverflow ? 1 : 0, &ret));
  return ITextRange(ret);
}

}  // namespace ATE
