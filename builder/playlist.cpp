#include "builder/playlist.h"

#include <string>

bool writePlaylistHeader(fsys::WritableFile& out) {
  return out.append("  #NAME movie list\n");
}

bool writePlaylistRecord(fsys::WritableFile& out, const eString& description,
                         const eString& path) {
  // The host picks its player by the service type: transport streams are
  // recognised by ".ts" anywhere in the path, which is how the host itself
  // has always told them apart, so "/x/archive.tsv/a.mpg" counts as one.
  const bool transport_stream = path.find(".ts") != std::string::npos;
  // Kept between calls: a rebuild writes one record per recording, and
  // the buffer soon fits every record.
  static std::string record;
  record.clear();
  record += transport_stream ? "#SERVICE: 1:0:1:0:1:0:0:0:0:0:"
                             : "#SERVICE: 4096:0:1:0:1:0:0:0:0:0:";
  record += path;
  record += "\n#DESCRIPTION: ";
  record += description;
  record += "\n#TYPE 16385\n";
  record += path;
  record += '\n';
  return out.append(record);
}
