// SPDX-License-Identifier: MIT
#pragma once

class FileSystem;
class GeneratorStarter;
class MessageBox;

// What the windows need from the machine, handed to each window when it is created.
struct Platform
{
    FileSystem &files;
    MessageBox &messages;
    GeneratorStarter &generator;
};

// The real file system, message boxes and process start.
Platform localPlatform();
