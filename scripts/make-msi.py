#!/usr/bin/env python3
"""Builds the Windows Installer package of a staged game folder with wixl.
Usage: scripts/make-msi.py GAME_FOLDER ICON VERSION OUTPUT_MSI

The package installs for the current user without administrator rights, under
%LOCALAPPDATA%\\Programs\\Varnolt, or for every user under Program Files with
the usual ALLUSERS=1. It adds a Start menu shortcut and an Installed apps
entry with the game's icon, version and publisher; a newer package replaces an
older one in place. Uninstalling removes what it installed and nothing else,
so the player's saves, options and settings stay where the game wrote them.
An installed copy carries a small marker file (INSTALLED_MARKER), which the
zip does not: the game then keeps the player's progress in the per-user
folder %LOCALAPPDATA%\\Varnolt, never among the program's files.
"""

import os
import subprocess
import sys
import tempfile
import uuid
from xml.sax.saxutils import quoteattr

# Never change these: every version's package must carry the same upgrade
# code, and a file's component the same id, or Windows Installer keeps two
# copies side by side instead of replacing the old one.
UPGRADE_CODE = "{6B0F6D0A-2F53-4C83-9B1E-7A5D3C21E4F0}"
COMPONENT_NAMESPACE = uuid.UUID("9d3c7f52-0f4e-4d8a-a1c6-52b1f0e6c1d3")
PUBLISHER = "Varnolt developers"

# The game looks for this file beside itself (app/game_folders.cpp).
INSTALLED_MARKER = "installed.txt"
MARKER_TEXT = ("Installed with Windows Installer: Varnolt keeps each player's progress in\r\n"
               "%LOCALAPPDATA%\\Varnolt, so that uninstalling never takes it away.\r\n")

# What the game writes while it runs is the player's, never the package's.
LEFT_OUT = {"options.dta", "settings.dta", "log.txt", ".content-staged"}


def component_guid(relative_path):
    """The same file keeps the same component id in every version."""
    return "{" + str(uuid.uuid5(COMPONENT_NAMESPACE, relative_path.lower())).upper() + "}"


def element_id(prefix, relative_path):
    """A table key: letters, digits, dots and underscores, 72 at most."""
    digest = uuid.uuid5(COMPONENT_NAMESPACE, relative_path.lower()).hex[:16]
    return f"{prefix}_{digest}"


def directory_xml(game, source, folder, indent, components):
    """The Directory elements below folder (relative to game), one component
    per file; fills components with their ids. source: game as wixl finds it."""
    lines = []
    for name in sorted(os.listdir(os.path.join(game, folder))):
        relative = os.path.join(folder, name) if folder else name
        path = os.path.join(game, relative)
        if os.path.isdir(path):
            if name.lower() == "save":
                continue
            lines.append(f'{indent}<Directory Id="{element_id("d", relative)}" '
                         f'Name={quoteattr(name)}>')
            lines += directory_xml(game, source, relative, indent + "  ", components)
            # Windows Installer makes the folder; it removes it again too when
            # nothing of the player's lies in it.
            lines.append(f'{indent}  <Component Id="{element_id("r", relative)}" '
                         f'Guid="{component_guid(relative + "|folder")}">')
            lines.append(f'{indent}    <RemoveFolder Id="{element_id("rf", relative)}" '
                         f'On="uninstall"/>')
            lines.append(f'{indent}    <CreateFolder/>')
            lines.append(f'{indent}  </Component>')
            components.append(element_id("r", relative))
            lines.append(f"{indent}</Directory>")
        elif name not in LEFT_OUT:
            component = element_id("c", relative)
            file_id = "VarnoltExe" if relative == "Varnolt.exe" else element_id("f", relative)
            lines.append(f'{indent}<Component Id="{component}" Guid="{component_guid(relative)}">')
            lines.append(f'{indent}  <File Id="{file_id}" Name={quoteattr(name)} '
                         f'Source={quoteattr(os.path.join(source, relative))} KeyPath="yes"/>')
            lines.append(f"{indent}</Component>")
            components.append(component)
    return lines


def wxs(game, source, icon, version):
    """The package's description; source and icon as wixl finds them."""
    components = []
    files = directory_xml(game, source, "", "          ", components)
    refs = "\n".join(f'      <ComponentRef Id="{c}"/>' for c in components)
    return f"""<?xml version="1.0" encoding="utf-8"?>
<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">
  <Product Id="*" Name="Varnolt" Language="1033" Version="{version}"
           Manufacturer="{PUBLISHER}" UpgradeCode="{UPGRADE_CODE}">
    <Package InstallerVersion="500" Compressed="yes" InstallScope="perUser"
             Description="Varnolt picture puzzles" Manufacturer="{PUBLISHER}"/>
    <MajorUpgrade DowngradeErrorMessage="A newer Varnolt is already installed."/>
    <Media Id="1" Cabinet="varnolt.cab" EmbedCab="yes"/>

    <!-- No ALLUSERS of its own: for the current user unless ALLUSERS=1 is given. -->
    <Icon Id="VarnoltIcon.ico" SourceFile={quoteattr(icon)}/>
    <Property Id="ARPPRODUCTICON" Value="VarnoltIcon.ico"/>
    <Property Id="ARPNOMODIFY" Value="1"/>
    <Property Id="ARPNOREPAIR" Value="1"/>
    <Property Id="ARPCONTACT" Value="{PUBLISHER}"/>

    <Directory Id="TARGETDIR" Name="SourceDir">
      <Directory Id="LocalAppDataFolder">
        <Directory Id="UserProgramsFolder" Name="Programs">
          <Directory Id="INSTALLDIR" Name="Varnolt">
{files}
            <Component Id="InstalledMarker" Guid="{component_guid("|" + INSTALLED_MARKER)}">
              <File Id="InstalledMarker" Name="{INSTALLED_MARKER}" Source="{INSTALLED_MARKER}"
                    KeyPath="yes"/>
            </Component>
            <Component Id="InstallFolder" Guid="{component_guid("|installdir")}">
              <RemoveFolder Id="RemoveInstallFolder" On="uninstall"/>
              <CreateFolder/>
            </Component>
          </Directory>
        </Directory>
      </Directory>
      <Directory Id="ProgramFiles64Folder"/>
      <Directory Id="ProgramMenuFolder">
        <Component Id="StartMenuShortcut" Guid="{component_guid("|shortcut")}">
          <Shortcut Id="VarnoltShortcut" Name="Varnolt" Description="Varnolt picture puzzles"
                    Target="[INSTALLDIR]Varnolt.exe" WorkingDirectory="INSTALLDIR"
                    Icon="VarnoltIcon.ico" IconIndex="0"/>
          <RegistryValue Root="HKCU" Key="Software\\Varnolt developers\\Varnolt"
                         Name="StartMenuShortcut" Type="integer" Value="1" KeyPath="yes"/>
        </Component>
      </Directory>
    </Directory>

    <!-- For every user the game goes where programs go. -->
    <CustomAction Id="AllUsersInstallFolder" Property="INSTALLDIR"
                  Value="[ProgramFiles64Folder]Varnolt\\"/>
    <InstallExecuteSequence>
      <Custom Action="AllUsersInstallFolder" Before="CostFinalize">ALLUSERS=1</Custom>
    </InstallExecuteSequence>

    <Feature Id="Game" Title="Varnolt" Level="1">
{refs}
      <ComponentRef Id="InstalledMarker"/>
      <ComponentRef Id="InstallFolder"/>
      <ComponentRef Id="StartMenuShortcut"/>
    </Feature>
  </Product>
</Wix>
"""


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    game, icon, version, output = sys.argv[1:]
    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    with tempfile.TemporaryDirectory() as scratch:
        with open(os.path.join(scratch, INSTALLED_MARKER), "w", newline="") as marker:
            marker.write(MARKER_TEXT)
        source = os.path.join(scratch, "varnolt.wxs")
        with open(source, "w") as file:
            # wixl takes files by paths relative to the folder it runs in.
            file.write(wxs(game, os.path.relpath(game, scratch), os.path.relpath(icon, scratch),
                           version))
        subprocess.run(["wixl", "--arch", "x64", "-o", os.path.abspath(output), source],
                       cwd=scratch, check=True)
    print(f"Wrote {output}")


if __name__ == "__main__":
    main()
