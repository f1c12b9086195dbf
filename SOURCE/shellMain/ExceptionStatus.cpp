#include "ExceptionStatus.h"

#include <new>

#include "ATETypes.h"

SPErr StatusOfCurrentException() {
  try {
    throw;
  } catch (const ai::Error& e) {
    return static_cast<AIErr>(e);
  } catch (const ATE::Exception&) {
    return kTextEngineErr;
  } catch (const std::bad_alloc&) {
    return kOutOfMemoryErr;
  } catch (...) {
    return kCantHappenErr;
  }
}
