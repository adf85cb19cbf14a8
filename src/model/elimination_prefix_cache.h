#pragma once
#include "model/bounded_fill.h"
#include "model/lanes_elimination.h"

// The prefixes of eliminations (EliminationPrefix) kept on this thread, for groups of lanes
// alike before layer 2, by wave number and velocity: a map has a few of those pairs, and its
// neighbouring nodes differ in one or two media. With each, the columns of layer 3 where the
// lanes that recorded it were alike in layer 3 too.
struct PrefixSlot;

// The slot of a group whose lanes are all alike before layer 2: the one holding their prefix,
// else the one to record it in. Nothing for other groups.
PrefixSlot* PrefixSlotOf(const StackInputs* const lanes[kLanes]);

// LanesDeterminant of the group from the slot's prefix: only layer 2 filled (and layer 3 unless
// kept), the prefix replayed. False, with no result, where the slot (PrefixSlotOf these lanes)
// holds no prefix or it does not apply to them.
bool ResumeFromSlot(const StackInputs* const lanes[kLanes], PrefixSlot& slot,
                    LaneResult results[kLanes]);

// LanesDeterminant of the group's filled matrix, its first steps recorded into the slot (and
// its layer 3 kept): held only where they raised no floating-point flag, so the steps a replay
// saves raise none.
void RecordIntoSlot(const StackInputs* const lanes[kLanes], LanesMatrix& m,
                    const LaneFill filled[kLanes], const bool used[kLanes], PrefixSlot& slot,
                    LaneResult results[kLanes]);
