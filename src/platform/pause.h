#pragma once

namespace velunto {

// The waits of an exercise's feedback: while one lasts, the window is
// repainted but no input is taken (it stays queued until the wait is over).
class Pauses
{
  public:
    virtual ~Pauses() = default;
    virtual void pause(int milliseconds) = 0;
};

// Waits in a local event loop that leaves user input alone.
class BlockingPauses : public Pauses
{
  public:
    void pause(int milliseconds) override;
};

} // namespace velunto
