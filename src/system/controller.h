#pragma once

namespace tavrin::system {

// Something that can be switched off and on again while it lives: a replaced window
// procedure, a registered hot key, an installed hook.
class IController {
public:
    virtual ~IController() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;
};

// Keeps a controller stopped for one scope.
class Pause {
public:
    explicit Pause(IController& controller) : controller_(controller) { controller_.stop(); }
    Pause(const Pause&) = delete;
    Pause& operator=(const Pause&) = delete;
    // Starting again may fail; a destructor must not throw, so the failure is logged.
    ~Pause();

private:
    IController& controller_;
};

} // namespace tavrin::system
