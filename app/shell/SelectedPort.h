#pragma once
// The serial port number (1-9 for COM1-COM9) every device operation uses.
// Read from the "Settings"/"ComPort" value at start-up; the port dialog
// changes and stores it.

int& selectedPort();
