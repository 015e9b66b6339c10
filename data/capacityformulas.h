#pragma once

// The formulas behind every figure: the bitrate of one channel from its table
// value, and the disk that a total bitrate fills in a number of hours and
// back. Plain functions of their arguments; they read no file.
//
// Every bitrate is in kbps; disk sizes are decimal GB (1 TB = 1000 GB).
namespace CapacityFormulas {

// kbps of one channel whose table gives `tableBitrate` kbps at the tables'
// 25 fps, at `frameRate` fps; `recorder` for a DVR/NVR channel.
double channelBitrate(bool recorder, double tableBitrate, double frameRate);

// GB that `totalBitrate` kbps fill in `hours` hours, with the recorder's
// reserve and the size factor.
double diskSize(double totalBitrate, int hours);

// Hours that `diskSize` GB hold at `totalBitrate` kbps.
double recordHours(double totalBitrate, double diskSize);

} // namespace CapacityFormulas
