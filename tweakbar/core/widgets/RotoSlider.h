// The rotoslider without the engine: its arithmetic (turning the pointer around a centre
// changes a number by whole steps, counter-clockwise up) and its picture.
#pragma once

namespace tw {

class Painter;

// Figures of the rotoslider, in pixels.
inline constexpr int kRotoRadius = 32;      // the circle drawn around the centre
inline constexpr int kRotoDeadZone = 24;    // nearer than this the pointer changes nothing
inline constexpr int kRotoMarkRadius = 40;  // where the bound marks stand
inline constexpr int kRotoCursorCount = 12;

// Steps of value per full turn: 256, or three turns' worth of the whole range when both bounds
// are finite and the range holds fewer than 256/3 steps (the range then takes a third of a turn).
double rotoStepsPerTurn(double min, double max, double step);

// The angle of a point seen from the centre, in radians, counter-clockwise from the right, with
// dx to the right and dy down as on screen.
double screenAngle(double dx, double dy);

// Which of the rotating cursors shows a pointer at an angle: cursor n points its arrow at
// n × 30°, counter-clockwise from the right.
int rotoCursorIndex(double angle);

// One turn of the rotoslider, from the press to the release. The value moves by whole steps
// from the value at the press and stays within the bounds; the angle turned is kept within the
// bounds as well, so turning back after a bound moves the value at once.
class RotoTurn {
  public:
    RotoTurn() = default;
    RotoTurn(double start, double min, double max, double step);

    // The pointer at (dx, dy) from the centre (screen axes). Inside the dead zone nothing
    // changes, and the turn resumes from wherever the pointer leaves it.
    void follow(double dx, double dy);

    double value() const;
    int steps() const;
    bool turning() const { return engaged_; }
    // Where the turn started and how far it has turned (counter-clockwise positive), radians.
    double startAngle() const { return startAngle_; }
    double turned() const { return turned_; }
    // Whether the range fits in one turn, so that both bounds can be marked on the circle.
    bool boundsFit() const;
    // The angles of the two bounds on the circle, counted from the start angle.
    double minAngle() const;
    double maxAngle() const;

  private:
    double radiansPerStep() const;

    double start_ = 0, min_ = 0, max_ = 0, step_ = 1;
    double stepsPerTurn_ = 256;
    bool engaged_ = false;   // the pointer has left the dead zone once
    bool outside_ = false;   // it is outside the dead zone now
    double startAngle_ = 0;  // where it first left the dead zone
    double lastAngle_ = 0;
    double turned_ = 0;
};

// The rotoslider as it turns: its circle around the centre, the bound marks and the turn so far
// once the turn has started, and the line to the pointer; with the painter's clip as it is.
void paintRotoTurn(Painter& painter, int centreX, int centreY, const RotoTurn& roto, int pointerX,
                   int pointerY);

}  // namespace tw
