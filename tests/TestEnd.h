#pragma once

// How every test program ends: the database client's background threads (its timer and its
// signal watcher) are stopped while the process is still quiet, and with the address
// sanitizer the leak check runs right here instead of in the middle of the client library's
// own exit handlers, where a thread that is just ending can crash the leak checker's tracer.
namespace zud::test {

int EndTests(int rc);

} // namespace zud::test
