#pragma once

// How the three-point test decides that det_g has a zero at the middle velocity, by the item
// of the det_g representation radio group.
enum class ZeroRule {
  ModulusMinimum,  // "Lg(Abs)" and "Abs": the modulus falls, then rises
  RealSignChange,  // "Real": a turn of the modulus while the real part changes sign
  None             // any other item: no zero is ever found
};

ZeroRule ZeroRuleOfItem(int item);

// det_g at the three test velocities v1, v2, v3.
struct ZeroStencil {
  long double v[3] = {};       // test velocities, m/s
  long double absDet[3] = {};  // moduli of det_g
  long double reFirst = 0;     // real part at v1
  long double reThird = 0;     // real part at v3
};

struct StencilSlopes {
  long double low = 0;   // (A2 - A1) / (V2 - V1)
  long double high = 0;  // (A3 - A2) / (V3 - V2)
};

// From the stored velocities. Equal velocities divide by zero (the caller checks the flags).
StencilSlopes SlopesOf(const ZeroStencil& stencil);

// True when the rule puts a zero at v2. Every comparison is strict.
bool ZeroAtMiddle(ZeroRule rule, const StencilSlopes& slopes, long double reFirst,
                  long double reThird);
