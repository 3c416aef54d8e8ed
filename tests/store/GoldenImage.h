// An independent generator of the files a new parameter set consists of, written from the file formats alone (it
// shares no code with the store), so that the store's own output can be compared with it byte for byte.
#pragma once

#include <string>
#include <vector>

namespace golden {

// The 32,768 bytes of a new image with the given default expert code.
std::vector<unsigned char> DefaultImage(int expertCode = 261);
// A new parameter file (152,150 bytes) and a new function-data file (77,386 bytes).
std::string ParaFile(int expertCode = 261);
std::string DataFile(int expertCode = 261);

// The valid 298-byte header of each kind.
std::string ParaHeader();
std::string DataHeader();

}  // namespace golden
