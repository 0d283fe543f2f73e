#pragma once

namespace pw {

// Held by the first running instance for as long as it lives.
class InstanceLock {
  public:
    virtual ~InstanceLock() = default;
    // True for the first instance only.
    virtual bool acquire() = 0;
};

}  // namespace pw
