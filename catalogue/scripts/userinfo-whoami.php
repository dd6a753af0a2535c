<?php
// Tells a page the address its visitor connects from, and the host name that
// address resolves to. Used by the "Visitor's Host Name" and "IP Grabber"
// scripts: upload this file to PHP web space and give the scripts its address.

// --- settings: change these ---
// Pages on other sites that may ask this script ('*' = any site; '' = only
// pages on the same site as this file).
$allowOrigin = '';
// Looking up the host name can take a moment; set to false to skip it.
$lookUpHostName = true;

header('Content-Type: application/json; charset=utf-8');
header('Cache-Control: no-store');
if ($allowOrigin !== '') {
    header('Access-Control-Allow-Origin: ' . $allowOrigin);
}

$ip = isset($_SERVER['REMOTE_ADDR']) ? $_SERVER['REMOTE_ADDR'] : '';
if (filter_var($ip, FILTER_VALIDATE_IP) === false) {
    http_response_code(500);
    echo json_encode(array('ip' => null, 'host' => null));
    exit;
}

$host = null;
if ($lookUpHostName) {
    $name = gethostbyaddr($ip);
    // gethostbyaddr gives the address back unchanged when it finds no name.
    if ($name !== false && $name !== $ip) {
        $host = $name;
    }
}

echo json_encode(array('ip' => $ip, 'host' => $host));
