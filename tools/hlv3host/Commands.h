#pragma once

// Sub-commands of the host tool. Each receives the arguments after the
// sub-command's name (argv[0] is the sub-command itself), prints its own
// usage on bad arguments, and returns the process exit status.
int RunList(int argc, char** argv);
int RunParams(int argc, char** argv);
int RunRender(int argc, char** argv);
int RunDemo(int argc, char** argv);
int RunBench(int argc, char** argv);
// `bench --threads`: whole frames through the module on several threads.
int RunThreadBench(int argc, char** argv);
int RunBanner(int argc, char** argv);
