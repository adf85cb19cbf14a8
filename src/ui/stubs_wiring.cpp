// Placeholder definitions until the real ones land; delete this file then.
#include "ui/tform1.h"

void TForm1::BindHandlers() {}
void TForm1::WindowCreated() {}
void TForm1::TakeStartingDataClick() {}
void TForm1::ModifiedToStartingClick() {}
void TForm1::DetGClick() {}
void TForm1::RedrawClick() {}
void TForm1::DispersionsClick() {}
void TForm1::CorrelationsClick() {}
void TForm1::ExitClick() {}
void TForm1::EnterOrEscape() {}
void TForm1::AngleGroupClick() {}
void TForm1::AxisGroupClick() {}
void TForm1::TrackBarChanged() {}
void TForm1::ShowGridsClick() {}
void TForm1::ShowBulkVelocitiesClick() {}
void TForm1::HandySliderChanged(const std::string&) {}
void TForm1::VelocityScrollBarChanged(const std::string&) {}
void TForm1::AxisScrollBarChanged(const std::string&) {}
