// The calls on a program's output pipe that differ between systems.
#pragma once

#include <cstddef>

namespace velquist::output_pipe {

enum class ReadEnd { Bytes, NothingYet, Ended };

// Gets the read end ready for reads that never wait.
void prepare(int fd);
// Reads what has arrived, without waiting; `count` gets the number of bytes when Bytes. Ended
// also covers a read error, which only ending can follow.
ReadEnd readSome(int fd, char* buffer, size_t size, size_t& count);
void close(int fd);

}  // namespace velquist::output_pipe
