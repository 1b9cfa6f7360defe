#!/usr/bin/env python3
# Checks the winget manifests that packaging writes, offline: check_winget.py PACKAGE_FOLDER.
#
# PACKAGE_FOLDER holds the packages, their .sha256 files and winget/<identifier>/<version>/ with a
# multi-file manifest (version, installer, defaultLocale). The rules are those the published schema
# (1.9.0) documents: required fields per file, the patterns of identifier, version, locale and
# SHA-256, the allowed InstallerType, Scope and UpgradeBehavior, the schema version that has
# ArchiveBinariesDependOnPath. Then what a schema cannot check: one identifier and version in all
# three files, the hash of the package really there, PackageVersion = DisplayVersion, and a
# portable Lumarin.exe kept beside its files (ArchiveBinariesDependOnPath: true; a link winget made
# elsewhere would leave it without them). Last, each rule must refuse a broken copy.
import copy
import hashlib
import pathlib
import re
import sys

import yaml

NAME_PART = r'[^.\s\\/:*?"<>|\x01-\x1f]{1,32}'
PATTERNS = {
    'PackageIdentifier': re.compile(rf'^{NAME_PART}(\.{NAME_PART}){{1,7}}$'),
    'PackageVersion': re.compile(r'^[^\\/:*?"<>|\x01-\x1f]{1,128}$'),
    'DefaultLocale': re.compile(r'^([a-zA-Z]{2,3}|[iI]-[a-zA-Z]+|[xX]-[a-zA-Z]{1,8})(-[a-zA-Z]{1,8})*$'),
    'InstallerSha256': re.compile(r'^[A-Fa-f0-9]{64}$'),
}
PATTERNS['PackageLocale'] = PATTERNS['DefaultLocale']
ALLOWED = {
    'InstallerType': {'msix', 'msi', 'appx', 'exe', 'zip', 'inno', 'nullsoft', 'wix', 'burn', 'pwa', 'portable'},
    'Scope': {'user', 'machine'},
    'UpgradeBehavior': {'install', 'uninstallPrevious', 'deny'},
}
REQUIRED = {
    'version': ['PackageIdentifier', 'PackageVersion', 'DefaultLocale', 'ManifestType', 'ManifestVersion'],
    'installer': ['PackageIdentifier', 'PackageVersion', 'Installers', 'ManifestType', 'ManifestVersion'],
    'defaultLocale': ['PackageIdentifier', 'PackageVersion', 'PackageLocale', 'Publisher', 'PackageName',
                      'License', 'ShortDescription', 'ManifestType', 'ManifestVersion'],
}
INSTALLER_REQUIRED = ['Architecture', 'InstallerType', 'InstallerUrl', 'InstallerSha256']
# ArchiveBinariesDependOnPath is a field of the installer schema from this version on.
DEPENDS_ON_PATH_SINCE = (1, 9, 0)


def schema_version(document):
    try:
        return tuple(int(part) for part in str(document.get('ManifestVersion')).split('.'))
    except ValueError:
        return ()


def portable_rules(where, installer, version):
    problems = []
    depends = installer.get('ArchiveBinariesDependOnPath')
    if depends is not None and (not isinstance(depends, bool) or version < DEPENDS_ON_PATH_SINCE):
        problems.append(f'{where}: ArchiveBinariesDependOnPath {depends!r} is not a boolean of schema 1.9.0 or later')
    if installer.get('NestedInstallerType') == 'portable' and depends is not True:
        problems.append(f'{where}: a portable Lumarin.exe must stay beside its files (ArchiveBinariesDependOnPath: true)')
    return problems


def field_rules(where, fields):
    problems = []
    for field, value in fields.items():
        if field in PATTERNS and not (isinstance(value, str) and PATTERNS[field].match(value)):
            problems.append(f'{where}: {field} {value!r} does not match the schema')
        if field in ALLOWED and value not in ALLOWED[field]:
            problems.append(f'{where}: {field} {value!r} is not one of {sorted(ALLOWED[field])}')
    return problems


def package_rules(where, installer, folder):
    name = str(installer['InstallerUrl']).rsplit('/', 1)[-1]
    package = folder / name
    if not package.is_file():
        return [f'{where}: {name} is not there']
    real = hashlib.sha256(package.read_bytes()).hexdigest()
    problems = []
    if str(installer['InstallerSha256']).lower() != real:
        problems.append(f'{where}: InstallerSha256 is not the hash of {name}')
    side = folder / f'{name}.sha256'
    if not side.is_file() or side.read_text().split()[:2] != [real, name]:
        problems.append(f'{where}: {side.name} does not hold the hash of {name}')
    return problems


def check(documents, folder):
    """Problems in one manifest; documents maps each ManifestType to its file's contents."""
    problems = []
    for kind, fields in REQUIRED.items():
        document = documents.get(kind)
        if not isinstance(document, dict):
            problems.append(f'no {kind} file')
            continue
        problems += [f'{kind}: {field} is required' for field in fields if document.get(field) in (None, '', [])]
        problems += field_rules(kind, {f: v for f, v in document.items() if f != 'Installers'})
    if problems:
        return problems
    for field in ('PackageIdentifier', 'PackageVersion', 'ManifestVersion'):
        if len({str(document[field]) for document in documents.values()}) != 1:
            problems.append(f'{field} differs between the files')
    if documents['version']['DefaultLocale'] != documents['defaultLocale']['PackageLocale']:
        problems.append("DefaultLocale is not the defaultLocale file's PackageLocale")
    root = documents['installer']
    for number, installer in enumerate(root['Installers'] or [], 1):
        where, merged = f'installer {number}', {**root, **installer}
        missing = [field for field in INSTALLER_REQUIRED if field not in merged]
        problems += [f'{where}: {field} is required' for field in missing]
        problems += field_rules(where, installer)
        problems += portable_rules(where, merged, schema_version(root))
        if not missing and not field_rules(where, merged):
            problems += package_rules(where, merged, folder)
    for entry in root.get('AppsAndFeaturesEntries') or []:
        if str(entry.get('DisplayVersion')) != str(root['PackageVersion']):
            problems.append('installer: DisplayVersion is not the PackageVersion')
    return problems


def setting(kind, field, value, installer=False):
    def change(documents):
        target = documents[kind]['Installers'][0] if installer else documents[kind]
        target.pop(field) if value is None else target.__setitem__(field, value)
    return change


# Broken copies that must each be refused.
BROKEN = {
    'identifier of one part': setting('version', 'PackageIdentifier', 'Lumarin'),
    'identifier differing in one file': setting('defaultLocale', 'PackageIdentifier', 'Huedisk.Other'),
    'version with a slash': setting('installer', 'PackageVersion', '1.0/11'),
    'version differing in one file': setting('defaultLocale', 'PackageVersion', '9.9.9'),
    'bad locale': setting('version', 'DefaultLocale', 'english'),
    'short hash': setting('installer', 'InstallerSha256', 'ABCDEF', installer=True),
    'hash of another file': setting('installer', 'InstallerSha256', '0' * 64, installer=True),
    'unknown installer type': setting('installer', 'InstallerType', 'setup'),
    'unknown scope': setting('installer', 'Scope', 'everyone'),
    'unknown upgrade behaviour': setting('installer', 'UpgradeBehavior', 'replace'),
    'no license': setting('defaultLocale', 'License', None),
    'no installer address': setting('installer', 'InstallerUrl', None, installer=True),
    'another DisplayVersion': setting('installer', 'AppsAndFeaturesEntries', [{'DisplayVersion': '0.0.1'}]),
    'no version file': lambda documents: documents.pop('version'),
    'a binary field of another type': setting('installer', 'ArchiveBinariesDependOnPath', 'yes'),
}
# Only the portable manifest has the field that keeps its program beside its files.
PORTABLE_BROKEN = {
    'a portable program linked away from its files': setting('installer', 'ArchiveBinariesDependOnPath', None),
    'the field under a schema without it': lambda documents: [document.__setitem__('ManifestVersion', '1.6.0')
                                                              for document in documents.values()],
}


def main():
    folder = pathlib.Path(sys.argv[1])
    manifests = sorted(path for path in (folder / 'winget').glob('*/*') if path.is_dir())
    failures = 0 if manifests else 1
    for manifest in manifests:
        documents = {}
        for path in manifest.glob('*.yaml'):
            document = yaml.safe_load(path.read_text(encoding='utf-8'))
            documents[document.get('ManifestType') if isinstance(document, dict) else path.name] = document
        problems = check(documents, folder)
        portable = documents.get('installer', {}).get('NestedInstallerType') == 'portable'
        for what, breaking in {**BROKEN, **(PORTABLE_BROKEN if portable else {})}.items():
            broken = copy.deepcopy(documents)
            breaking(broken)
            if not check(broken, folder):
                problems.append(f'a manifest with {what} passes')
        print(f'{manifest.relative_to(folder)}: ' + ('ok' if not problems else '\n  '.join(['FAILED'] + problems)))
        failures += bool(problems)
    print(f'winget manifests checked: {len(manifests)}, failed: {failures}')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
