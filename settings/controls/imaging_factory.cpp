#include "settings/controls/imaging_factory.h"

#include "platform/com_ptr.h"
#include "settings/controls/planar_image.h"

namespace {

// The program runs on one thread; start and stop come from WM_CREATE and WM_DESTROY.
struct FactoryState {
  ComPtr<IImagingFactory> factory;
  // Only a successful CoInitializeEx is matched by CoUninitialize.
  bool comStarted = false;
};

FactoryState& State() {
  static FactoryState state;
  return state;
}

}  // namespace

IImagingFactory* CurrentImagingFactory() { return State().factory.Get(); }

void StartImagingFactory() {
  FactoryState& state = State();
  if (!state.comStarted) state.comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
  // Without the factory PNG loading is unavailable and resources fall back to TGA.
  if (FAILED(CoCreateInstance(CLSID_ImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IImagingFactory,
                              state.factory.PutVoid())))
    state.factory.Reset();
}

void StopImagingFactory() {
  FactoryState& state = State();
  state.factory.Reset();
  if (state.comStarted) CoUninitialize();
  state.comStarted = false;
}

bool ImagingFactoryRunning() { return static_cast<bool>(State().factory); }
