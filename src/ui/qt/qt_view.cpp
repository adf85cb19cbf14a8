// The Qt view of the window logic.
