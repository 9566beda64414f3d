box1=[ 1 2 3 ];
load '/data/run 1/samples.txt';
box3=samples;
box5=[0:0.5:1];
box2= [1 2; 3 4 ]; 
box6=zeros(2,3);
