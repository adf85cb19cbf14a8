#pragma once
#include <functional>
#include <memory>
#include <string>

#include "model/complex_matrix.h"
#include "model/simulation_state.h"
#include "fitting/analysis_records.h"
#include "form/canvas.h"
#include "model/detg_prefetch.h"
#include "form/controls.h"
#include "form/evaluation_fields.h"
#include "form/plot_scale.h"
#include "form/session_in_use.h"

// The window logic of Form1: the state, every control, the canvas and every operation and
// handler of the window, with no toolkit. The Qt view and the headless mode drive it.
struct WindowFit;

class TForm1 {
 public:
  TForm1();  // builds the controls and binds the handlers; does not run window creation
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  SimulationState state;
  Controls controls;
  EvaluationFields fields;  // of controls
  Canvas canvas;
  ComplexMatrix BoundaryMatrix;
  ComplexLD detG;
  AnalysisRecords records;
  std::shared_ptr<const WindowFit> lastFit;  // the last fit run, for the Fit dialog and exports

  // The dispersion sweep and the correlation maps evaluate det_g ahead on every core; their
  // results are those of evaluating one by one. Off, they evaluate one by one.
  bool parallelEvaluation = true;
  // The numerics of the window's own evaluations; the reference ones serve comparisons.
  DetGNumerics numerics = DetGNumerics::Fast;
  DetGPrefetch prefetch;
  // Called between batches of a long computation with the share done (0..1), so that a view
  // can repaint and show progress.
  std::function<void(double)> onProgress;
  // Set by the view (Esc, Cancel, closing the window) while a long computation runs; the next
  // progress point ends the handler as cancelled. Cleared when a handler starts.
  bool cancelRequested = false;
  // Shows a line in the status bar: news that needs no box, such as the end of a cancelled
  // computation or a trace file left incomplete by a scan that itself succeeded.
  std::function<void(const std::string&)> onStatus;
  // A progress point of a long computation: shows the share done, then ends the handler
  // (ComputationCancelled) when a cancel was requested.
  void ReportProgress(double fraction);

  // Field access.
  long double Number(const std::string& name) const;  // ReadNumber of the field's text
  const std::string& Text(const std::string& name) const;
  void SetText(const std::string& name, const std::string& text);
  bool Ticked(const std::string& name) const;
  int ItemIndex(const std::string& name) const;
  int Position(const std::string& name) const;

  // Runs a handler body: clears the fault flags, runs it, and shows a FloatingPointFault
  // or RefusedInput through the message sink. Nested calls run inside the outermost one;
  // a fault is shown once, by the outermost.
  void RunHandler(const std::function<void()>& body);

  // Handlers (the event wiring binds them to the controls).
  void WindowCreated();
  void TakeStartingDataClick();
  void ModifiedToStartingClick();
  void DetGClick();
  void RedrawClick();
  void DispersionsClick();
  void CorrelationsClick();
  void ExitClick();
  void EnterOrEscape();
  void AngleGroupClick();
  void AxisGroupClick();
  void HandySliderChanged(const std::string& slider);
  void VelocityScrollBarChanged(const std::string& scrollBar);
  void AxisScrollBarChanged(const std::string& scrollBar);
  void TrackBarChanged();
  void ShowGridsClick();
  void ShowBulkVelocitiesClick();
  bool exitRequested = false;
  // "Mode branches" of the View menu: the dispersion handlers draw the branches while it is on.
  bool showModeBranches = false;
  // The session file last opened or saved (File menu, --load, --save).
  SessionInUse session;

  // Window framework.
  void Repaint();  // the whole raster silver again, the bevels drawn as lowered boxes

  // Intake.
  void TakeStartingData();
  void ApplyHandySliders();
  void ModifiedToStarting();

  // Frames, grids, labels.
  void FramePlots();
  void ShowGrids();
  void HideGrids();
  void DrawGridLines();  // the grid of both plots in the current pen
  void DrawDispersionAxisLabels();
  void DrawDetgAxisLabels();

  // det_g analysis.
  void FillBoundaryMatrix();  // shared fill at (scanV, qFill)
  void ScanDetG();
  void MarkMeasuredModes();
  void MarkBulkVelocities();
  void OverlayMeasuredPoints();

  // Dispersion and fitting.
  void TestForZero(long double v);
  bool AcceptZero(long double z) const;
  void TraceDispersion();
  void EvaluateCorrelator();
  void DrawCorrelationMap();
  void MapConstantPair(int a, int b);
  void DrawMapGrid();
  void DrawBulkLines();
  void EraseBulkLines();

 private:
  int handlerDepth_ = 0;
  // The eight bulk-velocity lines of the dispersion plot, one pen per medium.
  void DrawBulkLinesIn(Rgb substrate, Rgb layer1, Rgb layer2, Rgb layer3);
  void BindHandlers();
};
