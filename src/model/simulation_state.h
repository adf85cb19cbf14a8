#pragma once

// Every number the window's computations use. All reals are 80-bit extended precision and
// every member is 0 when the window is created. Media index: 0 substrate, 1..3 Layer 1..3.
struct SimulationState {
  // Layer stack.
  long double density[4] = {};
  long double thicknessNm[3] = {};
  long double depthNm[3] = {};
  long double thicknessM[3] = {};
  long double depthM[3] = {};
  long double c11Start[4] = {}, c12Start[4] = {}, c44Start[4] = {};
  long double c11Mod[4] = {}, c12Mod[4] = {}, c44Mod[4] = {};
  long double rangeFraction = 0;

  // Experiment: columns A1..A14.
  long double laserNm = 0;
  long double laserM = 0;
  long double angleRad[14] = {};
  long double freqR[14] = {}, errR[14] = {};
  long double freqS1[14] = {}, errS1[14] = {};

  // Evaluation point and unit constant.
  long double scanV = 0;
  long double qFill = 0;
  long double qScan = 0;
  long double gpaToPa = 0;
  long double vMin = 0, vMax = 0, vStep = 0;

  // det_g plot.
  long double selAngleRad = 0;
  long double detAxisXMin = 0, detAxisXMax = 0, detAxisXSpan = 0;
  long double detAxisYMin = 0, detAxisYMax = 0, detAxisYSpan = 0;

  // Plotting scratch shared by every drawing.
  long double segX0 = 0, segY0 = 0, segX1 = 0, segY1 = 0;
  int pixelX = 0, pixelY = 0, pixelY2 = 0;
  long double plotXMin = 0, plotXMax = 0, plotXSpan = 0;
  long double plotYMin = 0, plotYMax = 0, plotYSpan = 0;
  long double pointQd100 = 0, pointV = 0;

  // Bulk velocities, m/s.
  long double bulkVT[4] = {}, bulkVL[4] = {};

  // Mode search and dispersion sweep.
  long double zeroSens = 0, bulkSep = 0, lastZeroV = 0;
  long double stencilV[3] = {}, stencilAbs[3] = {};
  long double reDetFirst = 0, reDetThird = 0, slopeLow = 0, slopeHigh = 0;
  long double thetaStepRad = 0, thetaStartRad = 0, thetaEndRad = 0, thetaRad = 0;
  long double qdScaled = 0;

  // Model versus experiment.
  long double vMeasR[14] = {}, vMeasS1[14] = {};
  long double absDetR[14] = {}, absDetS1[14] = {};
  long double gCorrelator = 0;

  // Correlation maps.
  int mapDivisions = 0, mapCellPx = 0;
  long double mapStepX = 0, mapStepY = 0;
  long double gridXUnit = 0, gridYUnit = 0;
};
