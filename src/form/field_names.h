#pragma once

// The window names of the controls the window logic reads, writes or binds, named after what
// they hold. The controls themselves keep their window names: sessions and headless steps
// address them that way. Tick-label fields count from the axis origin: tick 0 shows the axis
// minimum, tick k the minimum plus k steps.

// Data: densities (kg/m3), layer thicknesses (nm), the laser line (nm).
inline constexpr const char* kSubstrateDensityField = "Edit1";
inline constexpr const char* kLayer1DensityField = "Edit5";
inline constexpr const char* kLayer2DensityField = "Edit137";
inline constexpr const char* kLayer3DensityField = "Edit139";
inline constexpr const char* kLayer1ThicknessField = "Edit6";
inline constexpr const char* kLayer2ThicknessField = "Edit138";
inline constexpr const char* kLayer3ThicknessField = "Edit140";
inline constexpr const char* kLaserField = "Edit4";

// Modified c11 and c44 of each medium as shown (GPa), read by the bulk velocities.
inline constexpr const char* kSubstrateC11ModField = "Edit189";
inline constexpr const char* kSubstrateC44ModField = "Edit193";
inline constexpr const char* kLayer1C11ModField = "MaskEdit2";
inline constexpr const char* kLayer1C44ModField = "MaskEdit4";
inline constexpr const char* kLayer2C11ModField = "MaskEdit5";
inline constexpr const char* kLayer2C44ModField = "MaskEdit7";
inline constexpr const char* kLayer3C11ModField = "MaskEdit8";
inline constexpr const char* kLayer3C44ModField = "MaskEdit10";

// Bulk velocities of each medium (m/s, output): longitudinal vL and transverse vT.
inline constexpr const char* kSubstrateVLField = "Edit191";
inline constexpr const char* kSubstrateVTField = "Edit192";
inline constexpr const char* kLayer1VLField = "MaskEdit1";
inline constexpr const char* kLayer1VTField = "MaskEdit12";
inline constexpr const char* kLayer2VLField = "MaskEdit14";
inline constexpr const char* kLayer2VTField = "MaskEdit29";
inline constexpr const char* kLayer3VLField = "MaskEdit31";
inline constexpr const char* kLayer3VTField = "MaskEdit33";

// Handy Mode: the slider and the hold box of each constant.
inline constexpr const char* kSubstrateC11Slider = "ScrollBar5";
inline constexpr const char* kSubstrateC12Slider = "ScrollBar6";
inline constexpr const char* kLayer1C11Slider = "ScrollBar9";
inline constexpr const char* kLayer1C12Slider = "ScrollBar10";
inline constexpr const char* kLayer2C11Slider = "ScrollBar11";
inline constexpr const char* kLayer2C12Slider = "ScrollBar12";
inline constexpr const char* kLayer3C11Slider = "ScrollBar13";
inline constexpr const char* kLayer3C12Slider = "ScrollBar14";
inline constexpr const char* kSubstrateC11HoldBox = "CheckBox23";
inline constexpr const char* kSubstrateC12HoldBox = "CheckBox24";
inline constexpr const char* kLayer1C11HoldBox = "CheckBox9";
inline constexpr const char* kLayer1C12HoldBox = "CheckBox10";
inline constexpr const char* kLayer2C11HoldBox = "CheckBox11";
inline constexpr const char* kLayer2C12HoldBox = "CheckBox12";
inline constexpr const char* kLayer3C11HoldBox = "CheckBox13";
inline constexpr const char* kLayer3C12HoldBox = "CheckBox14";

// Main Control: the buttons and the scan and sweep settings.
inline constexpr const char* kCorrelationsButton = "Button6";
inline constexpr const char* kTakeStartingDataButton = "Button5";
inline constexpr const char* kDetgButton = "Button7";
inline constexpr const char* kModifiedToStartingButton = "Button8";
inline constexpr const char* kExitButton = "Button2";
inline constexpr const char* kVStepField = "Edit179";
inline constexpr const char* kVMinField = "Edit180";
inline constexpr const char* kVMaxField = "Edit181";
inline constexpr const char* kZeroSensField = "Edit182";
inline constexpr const char* kBulkSeparField = "Edit183";
inline constexpr const char* kThetaStepField = "Edit188";

// The velocity scroll bars under the det_g plot, writing v_min and v_max.
inline constexpr const char* kVMinScrollBar = "ScrollBar1";
inline constexpr const char* kVMaxScrollBar = "ScrollBar2";

// Dispersion plot: its rectangle, ranges, switches and buttons.
inline constexpr const char* kDispersionBevel = "Bevel1";
inline constexpr const char* kDispersionVMinField = "Edit173";
inline constexpr const char* kDispersionVMaxField = "Edit177";
inline constexpr const char* kQdMinField = "Edit167";
inline constexpr const char* kQdMaxField = "Edit170";
inline constexpr const char* kCoupleFigsBox = "CheckBox22";
inline constexpr const char* kShowGridsBox = "CheckBox26";
inline constexpr const char* kShowBulkBox = "CheckBox25";
inline constexpr const char* kCoupleSlidersBox = "CheckBox21";
inline constexpr const char* kDispersionsButton = "Button4";
inline constexpr const char* kRedrawButton = "Button1";

// Dispersion plot tick labels: qd left to right, velocity bottom to top.
inline constexpr const char* kQdTick0Field = "Edit186";
inline constexpr const char* kQdTick1Field = "Edit194";
inline constexpr const char* kQdTick2Field = "Edit195";
inline constexpr const char* kQdTick3Field = "Edit196";
inline constexpr const char* kQdTick4Field = "Edit197";
inline constexpr const char* kQdTick5Field = "Edit187";
inline constexpr const char* kVTick0Field = "Edit199";
inline constexpr const char* kVTick1Field = "Edit204";
inline constexpr const char* kVTick2Field = "Edit203";
inline constexpr const char* kVTick3Field = "Edit201";
inline constexpr const char* kVTick4Field = "Edit200";
inline constexpr const char* kVTick5Field = "Edit198";

// det_g plot: its rectangle, the angle of incidence, the vertical axis and its ranges, the
// range scroll bars and the latest determinant as text.
inline constexpr const char* kDetgBevel = "Bevel3";
inline constexpr const char* kAngleGroup = "RadioGroup3";
inline constexpr const char* kDetgAxisGroup = "RadioGroup4";
inline constexpr const char* kDetgLgMinField = "Edit184";
inline constexpr const char* kDetgLgMaxField = "Edit185";
inline constexpr const char* kDetgMinField = "Edit164";
inline constexpr const char* kDetgMaxField = "Edit178";
inline constexpr const char* kDetgMinScrollBar = "ScrollBar3";
inline constexpr const char* kDetgMaxScrollBar = "ScrollBar4";
inline constexpr const char* kDetgValueField = "MaskEdit48";

// det_g plot tick labels: velocity left to right, det_g bottom to top.
inline constexpr const char* kDetgVTick0Field = "Edit202";
inline constexpr const char* kDetgVTick1Field = "Edit212";
inline constexpr const char* kDetgVTick2Field = "Edit213";
inline constexpr const char* kDetgVTick3Field = "Edit214";
inline constexpr const char* kDetgVTick4Field = "Edit215";
inline constexpr const char* kDetgVTick5Field = "Edit216";
inline constexpr const char* kDetgVTick6Field = "Edit217";
inline constexpr const char* kDetgVTick7Field = "Edit230";
inline constexpr const char* kDetgVTick8Field = "Edit208";
inline constexpr const char* kDetgTick0Field = "Edit211";
inline constexpr const char* kDetgTick1Field = "Edit210";
inline constexpr const char* kDetgTick2Field = "Edit209";
inline constexpr const char* kDetgTick3Field = "Edit207";
inline constexpr const char* kDetgTick4Field = "Edit206";
inline constexpr const char* kDetgTick5Field = "Edit205";

// Correlation map: its rectangle, the constants on its axes, the resolution, the g correlator
// and the z-scale factor (track bar and its text).
inline constexpr const char* kMapBevel = "Bevel2";
inline constexpr const char* kMapXGroup = "RadioGroup1";
inline constexpr const char* kMapYGroup = "RadioGroup2";
inline constexpr const char* kMapResolutionGroup = "RadioGroup5";
inline constexpr const char* kCorrelatorField = "MaskEdit41";
inline constexpr const char* kZScaleTrackBar = "TrackBar1";
inline constexpr const char* kZScaleField = "Edit231";

// Correlation map tick labels: x left to right, y bottom to top.
inline constexpr const char* kMapXTick0Field = "Edit224";
inline constexpr const char* kMapXTick1Field = "Edit225";
inline constexpr const char* kMapXTick2Field = "Edit226";
inline constexpr const char* kMapXTick3Field = "Edit227";
inline constexpr const char* kMapXTick4Field = "Edit228";
inline constexpr const char* kMapXTick5Field = "Edit229";
inline constexpr const char* kMapYTick0Field = "Edit223";
inline constexpr const char* kMapYTick1Field = "Edit222";
inline constexpr const char* kMapYTick2Field = "Edit221";
inline constexpr const char* kMapYTick3Field = "Edit220";
inline constexpr const char* kMapYTick4Field = "Edit219";
inline constexpr const char* kMapYTick5Field = "Edit218";
