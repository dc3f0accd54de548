#pragma once
// Sets the user's clock to 12 or 24 hours for a test and puts the user's own back afterwards,
// so that a failing expectation cannot leave the device with a test's clock.
#include <string>

class DeviceClock {
 public:
  DeviceClock();
  ~DeviceClock();
  DeviceClock(const DeviceClock&) = delete;
  DeviceClock& operator=(const DeviceClock&) = delete;

  // "h:mm:ss tt" for 12 hours, "HH:mm:ss" for 24.
  void Use(bool twentyFourHours);

 private:
  std::wstring savedFlag_;
  std::wstring savedFormat_;
};
