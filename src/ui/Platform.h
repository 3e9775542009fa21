// SPDX-License-Identifier: MIT
#pragma once

class Desktop;
class FileSystem;
class GeneratorStarter;
class MessageBox;

// What the windows need from their surroundings, handed to each window when it is created.
struct Platform
{
    const FileSystem &files;
    MessageBox &messages;
    Desktop &desktop;
    GeneratorStarter &generator;
};
