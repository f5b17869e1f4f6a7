// The host's recordings playlist: a header line, then four lines for each
// recording. The host reads this format, so every byte of it matters.
#ifndef TESSAROLL_BUILDER_PLAYLIST_H_
#define TESSAROLL_BUILDER_PLAYLIST_H_

#include "builder/fsys.h"
#include "host/estring.h"

constexpr const char* kPlaylistPath = "/hdd/movie/recordings.epl";
constexpr const char* kPlaylistBackupPath = "/hdd/movie/recordings.epl.bak";

/// Returns false once writing has failed (see fsys::WritableFile).
bool writePlaylistHeader(fsys::WritableFile& out);
bool writePlaylistRecord(fsys::WritableFile& out, const eString& description,
                         const eString& path);

#endif  // TESSAROLL_BUILDER_PLAYLIST_H_
